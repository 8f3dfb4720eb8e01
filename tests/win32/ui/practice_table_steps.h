#pragma once

#include "card_ui_driver.h"

#include <windows.h>

namespace slots::ui_test {

// The practice chat window of a card that plays on the practice table.
HWND WaitForPracticeWindow(const CardProcess &card);

// Free Game, answering Yes to the registration question, until Free Game
// is disabled again.
void RegisterWithFreeGame(const CardProcess &card);

} // namespace slots::ui_test
