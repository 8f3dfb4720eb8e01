#pragma once

#include "game/card_interfaces.h"

namespace slots::game {

// Label3 "Reset".
void ResetCard(CardModel &model);
// The same, and a game under way is recorded as reset.
void ResetCard(CardContext &card);

} // namespace slots::game
