#include "practice_table_steps.h"

#include "win32/card_control_ids.h"
#include "win32/practice_window_ids.h"

#include <gtest/gtest.h>

namespace slots::ui_test {

HWND WaitForPracticeWindow(const CardProcess &card) {
  return card.WaitForWindowOfCard(win32::kPracticeWindowClass,
                                  win32::kPracticeWindowCaption);
}

void RegisterWithFreeGame(const CardProcess &card) {
  ClickLabel(card.Control(win32::kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(
      WaitFor([&] { return !IsEnabled(card.Control(win32::kLabel2)); }));
}

} // namespace slots::ui_test
