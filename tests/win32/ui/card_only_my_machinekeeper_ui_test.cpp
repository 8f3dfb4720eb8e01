// "Only My Machinekeeper" on the real card: chosen in the Options submenu,
// kept in slots.ini, and strangers' announcements and finals passed over.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

bool StoresOption(const CardFolder &folder, const std::string &value) {
  const std::vector<std::string> lines = folder.SettingsLines();
  return std::find(lines.begin(), lines.end(),
                   "ONLYMYMACHINEKEEPER=" + value) != lines.end();
}

std::array<std::wstring, 3> ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

// Through the popup with the keyboard: into "Options", up past "About" and
// its separator, which come last, and past "Wait For The Machinekeeper",
// "Keep Game History" and "Game History", which follow "Only My
// Machinekeeper".
void ChooseOnlyMyMachinekeeperFromTheKeyboard(const CardProcess &card) {
  ClickLabel(card.Control(kLabel5));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    menu = card.FindWindowOfCard(kPopupMenuClass, L"");
    return menu != nullptr;
  }));
  PressKey(menu, VK_DOWN);
  PressKey(menu, VK_DOWN);
  PressKey(menu, VK_RIGHT);
  std::vector<HWND> menus;
  ASSERT_TRUE(WaitFor([&] {
    menus = card.WindowsOfCard(kPopupMenuClass);
    return menus.size() == 2;
  }));
  for (int item = 0; item < 5; ++item) {
    PressKey(menu, VK_UP);
  }
  PressKey(menu, VK_RETURN);
  ASSERT_TRUE(WaitFor(
      [&] { return card.FindWindowOfCard(kPopupMenuClass, L"") == nullptr; }));
}

TEST(OnlyMyMachinekeeperUi, StrangersFinalsArePassedOverAfterARestart) {
  CardFolder folder("only_my_machinekeeper");
  folder.WriteChat({"Ann: Your machinekeeper is Ann",
                    "Ann: Amount of credits you get: 250"});
  {
    CardProcess card(folder);
    ASSERT_NE(card.Window(), nullptr);
    ASSERT_TRUE(StoresOption(folder, "0"));
    ChooseOnlyMyMachinekeeperFromTheKeyboard(card);
    ASSERT_TRUE(card.Close());
  }
  ASSERT_TRUE(StoresOption(folder, "1"));

  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickButton(card.Control(kCommand3));
  ASSERT_TRUE(
      WaitFor([&] { return TextOf(card.Control(kTxtHostname)) == L"Ann"; }));
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel3)); }));
  folder.AppendChatLine("ESP from Ann: FIRST:[1]01[2]02[3]03:");
  ClickButton(card.Control(kCommand1));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  const std::array<std::wstring, 3> firstSpin{L"Bell", L"Grape", L"$"};
  ASSERT_EQ(ReelsShown(card), firstSpin);

  folder.AppendChatLine("ESP from Eve: FINAL:abc14abc14abc14:xx1000000z");
  folder.AppendChatLine("Eve: lol FINAL: whatever");
  ClickButton(card.Control(kCommand6));
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, L"Resetting");
  ASSERT_NE(notice, nullptr);
  AnswerMessageBox(notice, IDOK);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(notice); }));
  EXPECT_EQ(ReelsShown(card), firstSpin);
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_TRUE(IsEnabled(card.Control(kCommand6)));

  folder.AppendChatLine("ESP from Ann: FINAL:[1]09[2]09[3]09:C=480.");
  folder.AppendChatLine("Eve: lol FINAL: whatever");
  ClickButton(card.Control(kCommand6));
  const std::array<std::wstring, 3> finalSpin{L"Bar", L"Bar", L"Bar"};
  ASSERT_TRUE(WaitFor([&] { return ReelsShown(card) == finalSpin; }));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"480");
  EXPECT_FALSE(IsEnabled(card.Control(kCommand6)));
  ASSERT_TRUE(card.Close());
  EXPECT_TRUE(StoresOption(folder, "1"));
}

// A stranger naming the machinekeeper is passed over, and an edit message
// that names some other window leaves the host box as it is: the question
// names Marlowe, and "Register me!" goes to him.
TEST(OnlyMyMachinekeeperUi, StrangerNamingTheMachinekeeperIsNotTakenForHim) {
  CardFolder folder("only_my_machinekeeper_stranger");
  folder.WriteSettings("[Main]\r\nONLYMYMACHINEKEEPER=1\r\n");
  folder.WriteChat({"Marlowe: Your machinekeeper is Marlowe, game 4.",
                    "Marlowe: Amount of credits you get: 250",
                    "Eve: Your machinekeeper is Marlowe",
                    "Eve: Amount of credits you get: 999999"});
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  const HWND forged = CreateWindowExW(0, L"STATIC", L"Eve", WS_POPUP, 0, 0, 1,
                                      1, nullptr, nullptr, nullptr, nullptr);
  SendMessageW(card.Window(), WM_COMMAND, MAKEWPARAM(kTxtHostname, EN_CHANGE),
               reinterpret_cast<LPARAM>(forged));
  DestroyWindow(forged);

  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question),
            L"Would you like to send registration request ESP to Marlowe?");
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel3)); }));
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Marlowe");
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Marlowe", "Register me!"}));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
