#pragma once

#include "card_ui_driver.h"

#include "practice/practice_table_rules.h"

#include <windows.h>

#include <optional>

namespace slots::ui_test {

// The practice chat window of a card that plays on the practice table.
HWND WaitForPracticeWindow(const CardProcess &card);

// Free Game, answering Yes to the registration question, until Free Game
// is disabled again.
void RegisterWithFreeGame(const CardProcess &card);

// The balance the card shows, when it is a plain number.
std::optional<int> CreditsShown(const CardProcess &card);

// One game with the machinekeeper at its fast pace ("--practice-pace fast"):
// Start, the holds, ESP Holds and Final. The balance the card shows must be
// the one before less the stake plus what the final spin pays, and held
// reels must keep their symbols; credits becomes the new balance.
void PlayOneFastPracticeGame(const CardProcess &card,
                             const practice::Holds &holds, int &credits);

} // namespace slots::ui_test
