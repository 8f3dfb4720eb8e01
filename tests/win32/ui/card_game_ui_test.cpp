// A whole game on the real card window against the stand-in chat library.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <array>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

struct StepStates {
  bool start, espHolds, final, getHost, hostName, freeGame, reset;
  bool operator==(const StepStates &) const = default;
};

StepStates StepsShown(const CardProcess &card) {
  return {
      IsEnabled(card.Control(kCommand1)),    IsEnabled(card.Control(kCommand5)),
      IsEnabled(card.Control(kCommand6)),    IsEnabled(card.Control(kCommand3)),
      IsEnabled(card.Control(kTxtHostname)), IsEnabled(card.Control(kLabel2)),
      IsEnabled(card.Control(kLabel3))};
}

std::array<std::wstring, 3> ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

// A spot inside the label's border, beside its centred caption.
bool ShowsRed(HWND label) {
  const RECT rect = ScreenRect(label);
  return ScreenPixel(POINT{rect.left + 3, rect.top + 3}) == RGB(255, 0, 0);
}

std::array<bool, 3> HoldsShownRed(const CardProcess &card) {
  return {ShowsRed(card.Control(kLabel8)), ShowsRed(card.Control(kLabel9)),
          ShowsRed(card.Control(kLabel10))};
}

int TextWidthAtCardFont(const std::wstring &text) {
  // The credit label's font: MS Sans Serif 8.25 point at the screen's DPI.
  win32::WindowDc screen(nullptr);
  const int dpi = ScreenDpi();
  win32::UniqueFont font(CreateFontW(
      -MulDiv(825, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif"));
  win32::SelectedObject selected(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(),
                        static_cast<int>(text.size()), &size);
  return size.cx;
}

const std::vector<std::string> kTableChat = {
    "Ann: Welcome to the slots table!",
    "Ann: Your machinekeeper is Ann",
    "Ann: Amount of credits you get: 250",
    "Ann: Payouts:30000:12000:6000:3000:1500:800:700:600:500:450:350:"
    "320:310:305:250:150",
};

const StepStates kLayoutSteps{true, false, false, true, true, true, false};

TEST(CardGameUi, PlaysAWholeGameWithTheHost) {
  CardFolder folder("whole_game");
  folder.WriteChat(kTableChat);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  const std::array<std::wstring, 3> layoutReels{L"Slots", L"Slots", L"Slots"};
  EXPECT_EQ(ReelsShown(card), layoutReels);
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"0");
  EXPECT_EQ(StepsShown(card), kLayoutSteps);
  SaveScreenshot(card.Window(), L"card_at_start");

  ClickButton(card.Control(kCommand3));
  ASSERT_TRUE(
      WaitFor([&] { return TextOf(card.Control(kTxtHostname)) == L"Ann"; }));

  // Free Game asks in a real message box; the player says Yes.
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question),
            L"Would you like to send registration request ESP?");
  EXPECT_EQ(MessageBoxButtons(question), (std::vector<int>{IDYES, IDNO}));
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "Register me!"}));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_EQ(StepsShown(card),
            (StepStates{true, false, false, true, true, false, true}));

  folder.AppendChatLine("ESP from Ann: FIRST:[1]05[2]09[3]14:");
  ClickButton(card.Control(kCommand1));
  const std::array<std::wstring, 3> firstSpin{L"Gold Bar", L"Bar", L"Cherry"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == firstSpin; }));
  EXPECT_EQ(StepsShown(card),
            (StepStates{false, true, false, false, false, false, true}));

  ClickLabel(card.Control(kLabel8));
  ClickLabel(card.Control(kLabel10));
  const std::array<bool, 3> firstAndThirdHeld{true, false, true};
  EXPECT_TRUE(
      WaitFor([&] { return HoldsShownRed(card) == firstAndThirdHeld; }));
  SaveScreenshot(card.Window(), L"card_with_holds");

  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "I hold 1,0,1"}));
  EXPECT_FALSE(IsEnabled(card.Control(kCommand1)));

  // The host has not answered yet: the card says so and changes nothing.
  ClickButton(card.Control(kCommand6));
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, L"Resetting");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(MessageBoxText(notice),
            L"No Final spin found yet, if there is an error click Reset Card "
            L"to start over.");
  EXPECT_EQ(MessageBoxButtons(notice), (std::vector<int>{IDOK}));
  AnswerMessageBox(notice, IDOK);
  ASSERT_TRUE(WaitFor([&] {
    return card.FindWindowOfCard(kMessageBoxClass, L"Resetting") == nullptr;
  }));
  EXPECT_EQ(ReelsShown(card), firstSpin);
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_EQ(StepsShown(card),
            (StepStates{false, true, true, false, false, false, true}));

  folder.AppendChatLine("ESP from Ann: FINAL:[1]05[2]05[3]05:C=12345678.");
  ClickButton(card.Control(kCommand6));
  const std::array<std::wstring, 3> finalSpin{L"Gold Bar", L"Gold Bar",
                                              L"Gold Bar"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == finalSpin; }));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"12345678");
  EXPECT_EQ(StepsShown(card),
            (StepStates{true, false, false, true, true, false, true}));
  const std::array<bool, 3> noneHeld{false, false, false};
  EXPECT_TRUE(WaitFor([&] { return HoldsShownRed(card) == noneHeld; }));

  // Eight digits of balance can be read whole, inside the window and clear
  // of "Credits:" (which may give way to it).
  const RECT credit = ScreenRect(card.Control(kLblCredit));
  const RECT client = ClientScreenRect(card.Window());
  EXPECT_LE(credit.right, client.right);
  EXPECT_GE(credit.right - credit.left, TextWidthAtCardFont(L"12345678"));
  // "Credits:" gives way only to a label that took room on its left.
  const bool grewLeft =
      credit.left < client.left + MulDiv(2880, ScreenDpi(), 1440);
  EXPECT_EQ(IsWindowVisible(card.Control(kLabel1)) != FALSE, !grewLeft);
  SaveScreenshot(card.Window(), L"card_after_final");

  ASSERT_TRUE(card.Close());
  const auto calls = folder.ChatCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), std::vector<std::string>{"KillDDE"});
  // "Keep Game History" is off unless the player turns it on.
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "slots-history.csv"));
}

TEST(CardGameUi, ResetMidGameNeedsAFreeGameBeforeTheNextStart) {
  CardFolder folder("reset_mid_game");
  folder.WriteChat(kTableChat);
  folder.AppendChatLine("ESP from Ann: FIRST:[1]01[2]02[3]03:");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);

  // Reset is disabled until Free Game: a click on it is dropped and the
  // hold made before it stays.
  ClickLabel(card.Control(kLabel9));
  ClickLabel(card.Control(kLabel3));
  ClickLabel(card.Control(kLabel8));
  ASSERT_TRUE(WaitFor([&] { return ShowsRed(card.Control(kLabel8)); }));
  EXPECT_TRUE(ShowsRed(card.Control(kLabel9)));
  EXPECT_EQ(StepsShown(card), kLayoutSteps);

  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel3)); }));
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Ann");
  EXPECT_FALSE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "Register me!"}));

  ClickButton(card.Control(kCommand1));
  const std::array<std::wstring, 3> firstSpin{L"Bell", L"Grape", L"$"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == firstSpin; }));

  ClickLabel(card.Control(kLabel3));
  const std::array<std::wstring, 3> layoutReels{L"Slots", L"Slots", L"Slots"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == layoutReels; }));
  EXPECT_EQ(StepsShown(card),
            (StepStates{true, false, false, false, true, true, true}));
  const std::array<bool, 3> noneHeld{false, false, false};
  EXPECT_TRUE(WaitFor([&] { return HoldsShownRed(card) == noneHeld; }));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");

  // Start without a new Free Game does nothing; Free Game then opens the
  // game again.
  ClickButton(card.Control(kCommand1));
  ClickLabel(card.Control(kLabel9));
  ASSERT_TRUE(WaitFor([&] { return ShowsRed(card.Control(kLabel9)); }));
  EXPECT_EQ(ReelsShown(card), layoutReels);
  EXPECT_TRUE(IsEnabled(card.Control(kCommand1)));
  ASSERT_TRUE(card.Close());
}

// Get Host, Free Game answered No, Start and ESP Holds: the card waits for
// the final spin.
void PlayToTheFinalStep(CardFolder &folder, CardProcess &card,
                        const std::string &firstSpin) {
  ClickButton(card.Control(kCommand3));
  ASSERT_TRUE(
      WaitFor([&] { return TextOf(card.Control(kTxtHostname)) == L"Ann"; }));
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel3)); }));
  folder.AppendChatLine(firstSpin);
  ClickButton(card.Control(kCommand1));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
}

// A machinekeeper that deals the next game's first spin right after the
// final.
TEST(CardGameUi, FinalFollowedByTheNextFirstSpinIsShown) {
  CardFolder folder("eager_machinekeeper");
  folder.WriteChat(kTableChat);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  PlayToTheFinalStep(folder, card, "ESP from Ann: FIRST:[1]01[2]02[3]03:");

  folder.AppendChatLine("ESP to Ann: I hold 0,0,0");
  folder.AppendChatLine("ESP from Ann: FINAL:[1]09[2]09[3]09:C=480.");
  folder.AppendChatLine("ESP from Ann: FIRST:[1]04[2]05[3]06:");
  ClickButton(card.Control(kCommand6));
  const std::array<std::wstring, 3> finalSpin{L"Bar", L"Bar", L"Bar"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == finalSpin; }));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"480");
  EXPECT_EQ(StepsShown(card),
            (StepStates{true, false, false, true, true, false, true}));
  EXPECT_EQ(card.FindWindowOfCard(kMessageBoxClass, L"Resetting"), nullptr);
  ASSERT_TRUE(card.Close());
}

// A machinekeeper that has not answered yet: the previous game's final in
// the chat is not this game's.
TEST(CardGameUi, PreviousGamesFinalIsNotTakenForThisGames) {
  CardFolder folder("late_machinekeeper");
  std::vector<std::string> chat = kTableChat;
  chat.push_back("ESP from Ann: FIRST:[1]07[2]07[3]08:");
  chat.push_back("ESP from Ann: FINAL:[1]07[2]07[3]07:C=900.");
  folder.WriteChat(chat);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  PlayToTheFinalStep(folder, card, "ESP from Ann: FIRST:[1]01[2]02[3]03:");
  const std::array<std::wstring, 3> firstSpin{L"Bell", L"Grape", L"$"};
  ASSERT_EQ(ReelsShown(card), firstSpin);

  ClickButton(card.Control(kCommand6));
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, L"Resetting");
  ASSERT_NE(notice, nullptr);
  AnswerMessageBox(notice, IDOK);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(notice); }));
  EXPECT_EQ(ReelsShown(card), firstSpin);
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_EQ(StepsShown(card),
            (StepStates{false, true, true, false, false, false, true}));

  folder.AppendChatLine("ESP from Ann: FINAL:[1]02[2]02[3]02:C=300.");
  ClickButton(card.Control(kCommand6));
  const std::array<std::wstring, 3> finalSpin{L"Grape", L"Grape", L"Grape"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == finalSpin; }));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"300");
  ASSERT_TRUE(card.Close());
}

TEST(CardGameUi, TwoQuickClicksOnAHoldLabelHoldAndReleaseTheReel) {
  CardFolder folder("quick_holds");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);

  DoubleClickLabel(card.Control(kLabel9));
  ClickLabel(card.Control(kLabel8));
  ASSERT_TRUE(WaitFor([&] { return ShowsRed(card.Control(kLabel8)); }));
  EXPECT_FALSE(ShowsRed(card.Control(kLabel9)));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
