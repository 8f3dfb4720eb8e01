// The card played from the keyboard alone, on the practice table: Enter
// steps through the game, 1 to 3 hold, Esc resets, F1 opens About, and the
// host box keeps its own keys. Keys pressed while an action runs are
// dropped.
#include "card_ui_driver.h"
#include "practice_table_steps.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <array>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

// The card's keyboard focus, or the card itself when the focus is
// elsewhere (the practice window shares the card's thread).
HWND CardFocus(const CardProcess &card) {
  HWND focus = FocusOfThread(card.Window());
  return focus != nullptr && IsChild(card.Window(), focus) ? focus
                                                           : card.Window();
}

// The key goes where the card's keyboard focus is, as a player's would.
void PressCardKey(const CardProcess &card, WORD key) {
  PressKey(CardFocus(card), key);
  WaitUntilIdle(card.Window());
}

bool ShowsRed(HWND label) {
  const RECT rect = ScreenRect(label);
  return ScreenPixel(POINT{rect.left + 3, rect.top + 3}) == RGB(255, 0, 0);
}

void TabTo(const CardProcess &card, int id) {
  for (int press = 0; press < 8 && CardFocus(card) != card.Control(id);
       ++press) {
    const HWND before = CardFocus(card);
    PressKey(before, VK_TAB);
    WaitFor([&] { return CardFocus(card) != before; });
  }
  ASSERT_EQ(CardFocus(card), card.Control(id));
}

// Answers a box with Enter: its default button.
void PressEnterIn(HWND box) {
  HWND focus = FocusOfThread(box);
  PressKey(focus != nullptr ? focus : box, VK_RETURN);
}

std::array<std::wstring, 3> ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

TEST(CardKeysUi, PlaysPracticeGamesWithoutAClick) {
  CardFolder folder("keys_only", false);
  CardProcess card(folder, L"--practice-seed 11 --practice-pace fast");
  ASSERT_NE(card.Window(), nullptr);
  ASSERT_NE(WaitForPracticeWindow(card), nullptr);

  // Enter in the host box takes the name and moves on; nothing is pressed.
  TabTo(card, kTxtHostname);
  PressCardKey(card, VK_RETURN);
  EXPECT_TRUE(
      WaitFor([&] { return CardFocus(card) == card.Control(kCommand1); }));
  EXPECT_TRUE(IsEnabled(card.Control(kLabel2)));

  PressCardKey(card, VK_RETURN);
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  PressEnterIn(question);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
  const std::wstring credits = TextOf(card.Control(kLblCredit));

  PressCardKey(card, VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  const auto first = ReelsShown(card);
  PressCardKey(card, '1');
  EXPECT_TRUE(WaitFor([&] { return ShowsRed(card.Control(kLabel8)); }));
  PressCardKey(card, VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  PressCardKey(card, VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand1)); }));
  EXPECT_FALSE(IsEnabled(card.Control(kCommand6)));
  EXPECT_EQ(ReelsShown(card)[0], first[0]);
  EXPECT_NE(TextOf(card.Control(kLblCredit)), credits);
  EXPECT_TRUE(IsWindowVisible(card.Control(kLabel1)));
  SaveScreenshot(card.Window(), L"card_after_a_game_by_keys");

  // The second game: Enter starts it, Esc resets the card.
  PressCardKey(card, VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  PressCardKey(card, VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel2)); }));
  EXPECT_EQ(ReelsShown(card),
            (std::array<std::wstring, 3>{L"Slots", L"Slots", L"Slots"}));
  EXPECT_FALSE(IsEnabled(card.Control(kCommand5)));

  // While a box is open the card takes no key.
  PressCardKey(card, VK_F1);
  HWND about =
      card.WaitForWindowOfCard(kMessageBoxClass, L"Tamsk's Slots Card");
  ASSERT_NE(about, nullptr);
  PressKey(card.Control(kCommand1), '2');
  PressEnterIn(about);
  ASSERT_TRUE(WaitFor([&] {
    return card.FindWindowOfCard(kMessageBoxClass, L"Tamsk's Slots Card") ==
           nullptr;
  }));
  WaitUntilIdle(card.Window());
  EXPECT_FALSE(ShowsRed(card.Control(kLabel9)));

  // In the host box a digit is typed, not a hold.
  TabTo(card, kTxtHostname);
  PressCardKey(card, '3');
  EXPECT_TRUE(WaitFor(
      [&] { return TextOf(card.Control(kTxtHostname)).ends_with(L'3'); }));
  EXPECT_FALSE(ShowsRed(card.Control(kLabel10)));
  ASSERT_TRUE(card.Close());
}

// Keys wait in the queue while the card is busy; acting on the state that
// follows, a second Enter during a slow Start would hold nothing and a third
// end the game. They are dropped; the next key pressed is taken.
TEST(CardKeysUi, KeysPressedWhileAnActionRunsAreDropped) {
  CardFolder folder("keys_while_busy");
  folder.WriteChat({"Ann: Your machinekeeper is Ann",
                    "Ann: Amount of credits you get: 250"});
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));

  folder.AppendChatLine("ESP from Ann: FIRST:[1]05[2]09[3]14:");
  // The chat client is busy for a dozen requests: Start takes a while.
  std::string busy;
  for (int request = 0; request < 12; ++request) {
    busy += "6\n";
  }
  folder.WriteChatStatuses(busy);
  for (int press = 0; press < 3; ++press) {
    PressKey(card.Window(), VK_RETURN);
  }
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  WaitUntilIdle(card.Window());
  EXPECT_EQ(TextOf(card.Control(kLblS3)), L"Cherry");
  EXPECT_TRUE(IsEnabled(card.Control(kCommand5)));
  EXPECT_FALSE(IsEnabled(card.Control(kCommand6)));
  EXPECT_FALSE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "I hold 0,0,0"}));

  PressCardKey(card, VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "I hold 0,0,0"}));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
