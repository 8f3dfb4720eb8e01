// A card unzipped into a folder its player may not write in: its settings
// and game history live in the player's own folder, and are there again at
// the next start. run_protected_folder.sh makes the folders read-only for
// real and runs these.
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "win32/card/card_control_ids.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace slots::ui_test {
namespace {

namespace fs = std::filesystem;
using namespace slots::win32;

std::set<fs::path> FolderListing(const fs::path &folder) {
  std::set<fs::path> listing;
  for (const auto &entry : fs::directory_iterator(folder))
    listing.insert(entry.path().filename());
  return listing;
}

std::string FileText(const fs::path &file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

class ProtectedFolderUi : public ::testing::Test {
protected:
  void SetUp() override {
    if (_wgetenv(L"SLOTS_PROTECTED_FOLDER") == nullptr)
      GTEST_SKIP() << "run by run_protected_folder.sh";
    EXPECT_FALSE(std::ofstream(card_ / "probe.txt").is_open());
  }
  void TearDown() override {
    if (!IsSkipped()) {
      EXPECT_EQ(FolderListing(card_), std::set<fs::path>{"slotscard.exe"});
    }
  }

  const fs::path card_ = DriverFolder() / "protected_card";
  const fs::path local_ = _wgetenv(L"LOCALAPPDATA");
  const fs::path own_ = local_ / "Slots Card";
};

TEST_F(ProtectedFolderUi, ChangesAreKeptInThePlayersOwnFolder) {
  fs::remove_all(own_);
  // Settings an older card left where Windows moved its writes.
  const fs::path store = local_ / "VirtualStore" / card_.relative_path();
  fs::create_directories(store);
  std::ofstream(store / "slots.ini", std::ios::binary)
      << "[Main]\r\nONTOP=0\r\nKEEPGAMEHISTORY=1\r\n";
  {
    CardProcess first(card_, L"--practice-seed 5 --practice-pace fast");
    ASSERT_NE(first.Window(), nullptr);
    EXPECT_FALSE(IsTopmost(first.Window()));
    ASSERT_NE(WaitForPracticeWindow(first), nullptr);
    RegisterWithFreeGame(first);
    int credits = CreditsShown(first).value_or(0);
    PlayOneFastPracticeGame(first, {true, false, false}, credits);
    SetWindowPos(first.Window(), nullptr, 300, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ChooseMenuItem(first.Window(), kMnuHoldSound);
    ASSERT_TRUE(first.Close());
  }
  EXPECT_EQ(FileText(own_ / "slots.ini"),
            "[Main]\r\nONTOP=0\r\nKEEPGAMEHISTORY=1\r\nX=3000\r\nY=4500\r\n"
            "FINALSOUND=1\r\nHOLDSOUND=0\r\nSTARTSOUND=1\r\nMINTRAY=1\r\n"
            "ONLYMYMACHINEKEEPER=0\r\nWAITFORMACHINEKEEPER=0\r\n");

  CardProcess again(card_);
  ASSERT_NE(again.Window(), nullptr);
  const RECT place = ScreenRect(again.Window());
  EXPECT_EQ(place.left, 300);
  EXPECT_EQ(place.top, 200);
  ChooseMenuItem(again.Window(), kMnuGameHistory);
  HWND history =
      again.WaitForWindowOfCard(kHistoryWindowClass, kHistoryWindowCaption);
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(
      SendMessageW(GetDlgItem(history, kHistoryList), LVM_GETITEMCOUNT, 0, 0),
      1);
  ASSERT_TRUE(again.Close());
}

// The own folder refuses files as well: the card says so once, plays on.
TEST_F(ProtectedFolderUi, NowhereToSaveIsSaidOnceAndTheCardPlaysOn) {
  EXPECT_FALSE(std::ofstream(own_ / "probe.txt").is_open());
  CardProcess card(card_, L"--practice-seed 5");
  ASSERT_NE(card.Window(), nullptr);
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, kCardWindowCaption);
  ASSERT_NE(notice, nullptr);
  EXPECT_NE(MessageBoxText(notice).find(L"neither in " + card_.wstring() +
                                        L" nor in " + own_.wstring()),
            std::wstring::npos);
  AnswerMessageBox(notice, IDOK);
  ClickButton(card.Control(kCommand3));
  EXPECT_TRUE(WaitFor(
      [&] { return TextOf(card.Control(kTxtHostname)) == L"Marlowe"; }));
  EXPECT_TRUE(card.WindowsOfCard(kMessageBoxClass).empty());
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
