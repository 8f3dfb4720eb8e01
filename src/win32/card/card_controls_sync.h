#pragma once

#include "game/card_model.h"
#include "win32/card/card_controls.h"

namespace slots::win32 {

// Shows the model on the card's controls: captions, the host name, enabled
// states, hold colours and the credit label's size. Controls whose state did
// not change are left alone, so nothing flickers.
void SyncCardControls(CardControls &controls, const game::CardModel &model);

} // namespace slots::win32
