// A card unzipped into a folder its player may not write in: its settings
// and its game history live in the player's own folder, and are there again
// at the next start. Run by run_protected_folder.sh, which makes the card's
// folder read-only for real.
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "win32/card/card_control_ids.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace slots::ui_test {
namespace {

namespace fs = std::filesystem;
using namespace slots::win32;
using Lines = std::vector<std::string>;

std::vector<fs::path> FolderListing(const fs::path &folder) {
  std::vector<fs::path> listing;
  for (const auto &entry : fs::directory_iterator(folder))
    listing.push_back(entry.path().filename());
  std::sort(listing.begin(), listing.end());
  return listing;
}

Lines FileLines(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  Lines lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool HasLine(const Lines &lines, const std::string &line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ProtectedFolderUi, ChangesAreKeptInThePlayersOwnFolder) {
  if (_wgetenv(L"SLOTS_PROTECTED_FOLDER") == nullptr)
    GTEST_SKIP() << "run_protected_folder.sh makes the card's folder "
                    "read-only and runs this";
  const fs::path card = DriverFolder() / "protected_card";
  EXPECT_FALSE(std::ofstream(card / "probe.txt").is_open())
      << "the card's folder takes files";
  const std::vector<fs::path> listing = FolderListing(card);

  const fs::path local = _wgetenv(L"LOCALAPPDATA");
  const fs::path own = local / "Slots Card";
  fs::remove_all(own);
  // Settings an older card left, when Windows moved its writes aside.
  const fs::path store = local / "VirtualStore" / card.relative_path();
  fs::create_directories(store);
  std::ofstream(store / "slots.ini", std::ios::binary)
      << "[Main]\r\nONTOP=0\r\nKEEPGAMEHISTORY=1\r\n";

  {
    CardProcess first(card, L"--practice-seed 5 --practice-pace fast");
    ASSERT_NE(first.Window(), nullptr);
    EXPECT_FALSE(IsTopmost(first.Window()));
    ASSERT_NE(WaitForPracticeWindow(first), nullptr);
    RegisterWithFreeGame(first);
    const auto credits = CreditsShown(first);
    ASSERT_TRUE(credits.has_value());
    int balance = *credits;
    PlayOneFastPracticeGame(first, {true, false, false}, balance);
    SetWindowPos(first.Window(), nullptr, 300, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ChooseMenuItem(first.Window(), kMnuHoldSound);
    ASSERT_TRUE(first.Close());
  }
  const Lines settings = FileLines(own / "slots.ini");
  for (const char *line :
       {"ONTOP=0", "X=3000", "Y=4500", "HOLDSOUND=0", "KEEPGAMEHISTORY=1"})
    EXPECT_TRUE(HasLine(settings, line)) << line;
  EXPECT_EQ(FileLines(own / "slots-history.csv").size(), 2u);

  CardProcess again(card);
  ASSERT_NE(again.Window(), nullptr);
  const RECT place = ScreenRect(again.Window());
  EXPECT_EQ(place.left, 300);
  EXPECT_EQ(place.top, 200);
  EXPECT_FALSE(IsTopmost(again.Window()));
  ChooseMenuItem(again.Window(), kMnuGameHistory);
  HWND history =
      again.WaitForWindowOfCard(kHistoryWindowClass, kHistoryWindowCaption);
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(
      SendMessageW(GetDlgItem(history, kHistoryList), LVM_GETITEMCOUNT, 0, 0),
      1);
  ASSERT_TRUE(again.Close());
  EXPECT_EQ(FolderListing(card), listing);
}

// Neither the card's folder nor the player's own takes files: the card says
// so once and plays on.
TEST(ProtectedFolderUi, NowhereToSaveIsSaidOnceAndTheCardPlaysOn) {
  if (_wgetenv(L"SLOTS_PROTECTED_FOLDER") == nullptr)
    GTEST_SKIP() << "run_protected_folder.sh makes both folders read-only "
                    "and runs this";
  const fs::path card = DriverFolder() / "protected_card";
  const fs::path own = fs::path(_wgetenv(L"LOCALAPPDATA")) / "Slots Card";
  EXPECT_FALSE(std::ofstream(own / "probe.txt").is_open())
      << "the player's own folder takes files";
  const std::vector<fs::path> listing = FolderListing(card);

  CardProcess player(card, L"--practice-seed 5");
  ASSERT_NE(player.Window(), nullptr);
  HWND notice =
      player.WaitForWindowOfCard(kMessageBoxClass, kCardWindowCaption);
  ASSERT_NE(notice, nullptr);
  const std::wstring text = MessageBoxText(notice);
  EXPECT_NE(
      text.find(L"neither in " + card.wstring() + L" nor in " + own.wstring()),
      std::wstring::npos)
      << text;
  AnswerMessageBox(notice, IDOK);
  ClickButton(player.Control(kCommand3));
  EXPECT_TRUE(WaitFor(
      [&] { return TextOf(player.Control(kTxtHostname)) == L"Marlowe"; }));
  EXPECT_TRUE(player.WindowsOfCard(kMessageBoxClass).empty());
  ASSERT_TRUE(player.Close());
  EXPECT_EQ(FolderListing(card), listing);
}

} // namespace
} // namespace slots::ui_test
