#pragma once

#include "game/card_interfaces.h"

namespace slots::game {

// Command1 "Start": applies the newest payout table and shows the first spin.
void Start(CardContext &card);

} // namespace slots::game
