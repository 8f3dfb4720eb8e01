// The card closed, or the session ended, while one of its message boxes is
// open: the action ends first, then the card shuts down once.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using Call = std::vector<std::string>;

const std::vector<std::string> kTableChat = {
    "Ann: Your machinekeeper is Ann",
    "Ann: Amount of credits you get: 250",
};

std::ptrdiff_t CountCalls(const CardFolder &folder, const Call &call) {
  const auto calls = folder.ChatCalls();
  return std::count(calls.begin(), calls.end(), call);
}

bool EndsWithKillDDE(const CardFolder &folder) {
  const auto calls = folder.ChatCalls();
  return !calls.empty() && calls.back() == Call{"KillDDE"};
}

TEST(CardClosingUi, ClosingDuringTheRegistrationQuestionAnswersNo) {
  CardFolder folder("close_during_question");
  folder.WriteChat(kTableChat);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickLabel(card.Control(kLabel2));
  ASSERT_NE(card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?"),
            nullptr);

  ASSERT_TRUE(card.Close());
  EXPECT_EQ(CountCalls(folder, {"DapiCommunicate", "slotscard", "2", "Ann",
                                "Register me!"}),
            0);
  EXPECT_TRUE(EndsWithKillDDE(folder));
  EXPECT_EQ(CountCalls(folder, {"KillDDE"}), 1);
  EXPECT_EQ(folder.SettingsLines().size(), 11u);
}

TEST(CardClosingUi,
     SessionEndingDuringTheNoticeSavesAtOnceAndClosesTheLinkAfterTheFinal) {
  CardFolder folder("session_end_during_notice");
  std::vector<std::string> chat = kTableChat;
  chat.push_back("ESP from Ann: FIRST:[1]01[2]02[3]03:");
  folder.WriteChat(chat);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickButton(card.Control(kCommand3));
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel3)); }));
  ClickButton(card.Control(kCommand1));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  ChooseMenuItem(card.Window(), kMnuHoldSound);
  ClickButton(card.Control(kCommand6));
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, L"Resetting");
  ASSERT_NE(notice, nullptr);

  // Windows may end the card as soon as it has answered: the settings are
  // saved by then.
  DWORD_PTR answer = 0;
  ASSERT_NE(SendMessageTimeoutW(card.Window(), WM_ENDSESSION, TRUE, 0,
                                SMTO_NORMAL, 5000, &answer),
            0);
  const std::vector<std::string> lines = folder.SettingsLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "HOLDSOUND=0"), lines.end());
  ASSERT_TRUE(WaitFor([&] { return EndsWithKillDDE(folder); }));
  EXPECT_FALSE(IsWindow(notice));

  ASSERT_TRUE(card.Close());
  EXPECT_TRUE(EndsWithKillDDE(folder));
  EXPECT_EQ(CountCalls(folder, {"KillDDE"}), 1);
}

} // namespace
} // namespace slots::ui_test
