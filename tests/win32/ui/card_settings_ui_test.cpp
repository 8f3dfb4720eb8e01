// slots.ini across runs of the real card, and the chat link's opening and
// closing as the chat library sees them.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using Lines = std::vector<std::string>;

POINT OuterTopLeft(HWND window) {
  const RECT outer = ScreenRect(window);
  return POINT{outer.left, outer.top};
}

POINT ClientTopLeft(HWND window) {
  const RECT client = ClientScreenRect(window);
  return POINT{client.left, client.top};
}

// The layout puts the client area at 1395, 2295 twips: 93, 153 at 96 dpi.
constexpr POINT kLayoutClientTopLeft{93, 153};

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

TEST(CardSettingsUi, FirstStartWritesDefaultsAndTheNextStartRestoresThePlace) {
  CardFolder folder("settings_round_trip");
  {
    CardProcess card(folder);
    ASSERT_NE(card.Window(), nullptr);
    EXPECT_EQ(
        folder.SettingsLines(),
        (Lines{"[Main]", "ONTOP=1", "X=0", "Y=0", "FINALSOUND=1", "HOLDSOUND=1",
               "STARTSOUND=1", "MINTRAY=1", "ONLYMYMACHINEKEEPER=0",
               "KEEPGAMEHISTORY=0", "WAITFORMACHINEKEEPER=0"}));
    EXPECT_TRUE(ClientTopLeft(card.Window()) == kLayoutClientTopLeft);
    EXPECT_TRUE(IsTopmost(card.Window()));

    // The player drags the card and switches two options off.
    SetWindowPos(card.Window(), nullptr, 300, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ChooseMenuItem(card.Window(), kMnuHoldSound);
    ChooseMenuItem(card.Window(), kMnuStayOnTop);
    ASSERT_TRUE(WaitFor([&] { return !IsTopmost(card.Window()); }));
    ASSERT_TRUE(card.Close());
  }
  // Top edge in "X", left edge in "Y", both in twips.
  EXPECT_EQ(folder.SettingsLines(),
            (Lines{"[Main]", "ONTOP=0", "X=3000", "Y=4500", "FINALSOUND=1",
                   "HOLDSOUND=0", "STARTSOUND=1", "MINTRAY=1",
                   "ONLYMYMACHINEKEEPER=0", "KEEPGAMEHISTORY=0",
                   "WAITFORMACHINEKEEPER=0"}));
  const auto calls = folder.ChatCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), (Lines{"InitDDE", "slotscard"}));
  EXPECT_EQ(calls.back(), Lines{"KillDDE"});

  CardProcess again(folder);
  ASSERT_NE(again.Window(), nullptr);
  EXPECT_TRUE(OuterTopLeft(again.Window()) == (POINT{300, 200}));
  EXPECT_FALSE(IsTopmost(again.Window()));
  ASSERT_TRUE(again.Close());
}

TEST(CardSettingsUi, LoggingOffSavesTheSettingsAsClosingDoes) {
  CardFolder folder("log_off");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ChooseMenuItem(card.Window(), kMnuStartSound);

  PostMessageW(card.Window(), WM_ENDSESSION, TRUE, 0);
  ASSERT_TRUE(WaitFor([&] {
    const Lines lines = folder.SettingsLines();
    return std::find(lines.begin(), lines.end(), "STARTSOUND=0") != lines.end();
  }));
  EXPECT_TRUE(folder.HasChatCall(Lines{"KillDDE"}));
  ASSERT_TRUE(card.Close());
  const auto calls = folder.ChatCalls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), Lines{"KillDDE"}), 1);
}

TEST(CardSettingsUi, PlaceAboveTheScreenEdgeIsKept) {
  CardFolder folder("settings_negative_place");
  folder.WriteSettings("[Main]\r\nONTOP=1\r\nX=-150\r\nY=300\r\n");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  EXPECT_TRUE(OuterTopLeft(card.Window()) == (POINT{20, -10}));
  ASSERT_TRUE(card.Close());
  const Lines lines = folder.SettingsLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "X=-150"), lines.end());
}

TEST(CardSettingsUi, PlaceOnNoScreenFallsBackToTheLayoutPlace) {
  for (const char *place :
       {"X=40000\r\nY=300", "X=-90000\r\nY=-90000", "X=300\r\nY=99999999"}) {
    SCOPED_TRACE(place);
    CardFolder folder("settings_place_off_screen");
    folder.WriteSettings(std::string("[Main]\r\n") + place + "\r\n");
    CardProcess card(folder);
    ASSERT_NE(card.Window(), nullptr);
    EXPECT_TRUE(ClientTopLeft(card.Window()) == kLayoutClientTopLeft);
    ASSERT_TRUE(card.Close());
  }
}

// Without the library the practice table stands in for the chat client.
TEST(CardSettingsUi, CardWorksWithoutTheChatLibrary) {
  CardFolder folder("no_chat_library", false);
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickButton(card.Control(kCommand3));
  ClickLabel(card.Control(kLabel8));
  ASSERT_TRUE(WaitFor([&] {
    const RECT hold = ScreenRect(card.Control(kLabel8));
    return ScreenPixel(POINT{hold.left + 3, hold.top + 3}) == RGB(255, 0, 0);
  }));
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Marlowe");
  ASSERT_TRUE(card.Close());
  EXPECT_EQ(folder.SettingsLines().size(), 11u);
}

} // namespace
} // namespace slots::ui_test
