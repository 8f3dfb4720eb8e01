#pragma once

#include "game/card_interfaces.h"

#include <string>

namespace slots::game {

// Label8..Label10: reel is 0, 1 or 2.
void ToggleHold(CardContext &card, int reel);
// "I hold " and the three flags, e.g. "I hold 1,0,1".
std::wstring HoldsMessage(const CardModel &model);
// Command5 "ESP Holds".
void EspHolds(CardContext &card);

} // namespace slots::game
