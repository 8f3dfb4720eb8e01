#pragma once

#include "game/card_model.h"

namespace slots::game {

// Label3 "Reset".
void ResetCard(CardModel &model);

} // namespace slots::game
