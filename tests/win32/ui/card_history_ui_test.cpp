// The game history window, opened from the options menu after games on the
// practice table, and its CSV saved through the real Save dialog.
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "game/game_history.h"
#include "game/game_history_csv.h"
#include "practice/practice_table_rules.h"
#include "win32/card/card_control_ids.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

std::string ReadWholeFile(const std::filesystem::path &file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A cell of the card's list, read through memory lent in the card's process:
// the list writes its text there.
std::wstring CellText(const CardProcess &card, HWND list, int row, int column) {
  constexpr int kRoom = 256;
  const SIZE_T bytes = sizeof(LVITEMW) + kRoom * sizeof(wchar_t);
  void *remote = VirtualAllocEx(card.Process(), nullptr, bytes,
                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote == nullptr) {
    return L"(no memory in the card)";
  }
  LVITEMW item{};
  item.iSubItem = column;
  item.cchTextMax = kRoom;
  item.pszText = reinterpret_cast<wchar_t *>(static_cast<char *>(remote) +
                                             sizeof(LVITEMW));
  WriteProcessMemory(card.Process(), remote, &item, sizeof item, nullptr);
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, row,
                                   reinterpret_cast<LPARAM>(remote));
  std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)),
                    L'\0');
  ReadProcessMemory(card.Process(), item.pszText, text.data(),
                    text.size() * sizeof(wchar_t), nullptr);
  VirtualFreeEx(card.Process(), remote, 0, MEM_RELEASE);
  return text;
}

BOOL CALLBACK TakeVisibleEdit(HWND child, LPARAM result) {
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (lstrcmpiW(name, L"Edit") == 0 && IsWindowVisible(child)) {
    *reinterpret_cast<HWND *>(result) = child;
    return FALSE;
  }
  return TRUE;
}

HWND FindEditIn(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(window, TakeVisibleEdit, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Types the path into the Save dialog and presses its OK button.
void SaveThroughTheDialog(const CardProcess &card, HWND history,
                          const std::filesystem::path &path) {
  PostMessageW(GetDlgItem(history, kHistorySaveButton), BM_CLICK, 0, 0);
  HWND dialog = card.WaitForWindowOfCard(kMessageBoxClass, L"Save As");
  ASSERT_NE(dialog, nullptr);
  HWND name = FindEditIn(dialog);
  ASSERT_NE(name, nullptr);
  SendMessageW(name, WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(path.wstring().c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] {
    return card.FindWindowOfCard(kMessageBoxClass, L"Save As") == nullptr &&
           std::filesystem::exists(path);
  }));
}

// The dialog asks before replacing the card's own history file, and the card
// then refuses all the same: the file is only ever added to.
void TrySavingOverTheKeptFile(const CardProcess &card, HWND history,
                              const std::filesystem::path &kept) {
  PostMessageW(GetDlgItem(history, kHistorySaveButton), BM_CLICK, 0, 0);
  HWND dialog = card.WaitForWindowOfCard(kMessageBoxClass, L"Save As");
  ASSERT_NE(dialog, nullptr);
  SendMessageW(FindEditIn(dialog), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(kept.wstring().c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  HWND replace = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (HWND box : card.WindowsOfCard(kMessageBoxClass)) {
      // Its title is the system's own ("Error" under Wine).
      if (box != dialog &&
          MessageBoxText(box).find(L"replace") != std::wstring::npos) {
        replace = box;
      }
    }
    return replace != nullptr;
  }));
  AnswerMessageBox(replace, IDYES);
  HWND refusal =
      card.WaitForWindowOfCard(kMessageBoxClass, kHistoryWindowCaption);
  ASSERT_NE(refusal, nullptr);
  AnswerMessageBox(refusal, IDOK);
  ASSERT_TRUE(
      WaitFor([&] { return card.WindowsOfCard(kMessageBoxClass).empty(); }));
}

TEST(GameHistoryUi, ThreePracticeGamesShowInTheHistoryAndSaveAsTheKeptFile) {
  CardFolder folder("history_games", false);
  folder.WriteSettings("[Main]\r\nKEEPGAMEHISTORY=1\r\n");
  CardProcess card(folder, L"--practice-seed 3 --practice-pace fast");
  ASSERT_NE(card.Window(), nullptr);
  ASSERT_NE(WaitForPracticeWindow(card), nullptr);
  RegisterWithFreeGame(card);
  const auto start = CreditsShown(card);
  ASSERT_TRUE(start.has_value());
  std::vector<int> balances{*start};
  for (const practice::Holds &holds : {practice::Holds{true, false, false},
                                       practice::Holds{false, false, false},
                                       practice::Holds{true, true, false}}) {
    int credits = balances.back();
    PlayOneFastPracticeGame(card, holds, credits);
    balances.push_back(credits);
  }

  ChooseMenuItem(card.Window(), kMnuGameHistory);
  HWND history =
      card.WaitForWindowOfCard(kHistoryWindowClass, kHistoryWindowCaption);
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(GetWindow(history, GW_OWNER), nullptr);
  EXPECT_TRUE(IsTopmost(history)) << "as the card, which stays on top";
  HWND list = GetDlgItem(history, kHistoryList);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  int wins = 0;
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const std::size_t game = static_cast<std::size_t>(3 - row);
    const int change = balances[game] - balances[game - 1];
    const std::wstring result = CellText(card, list, row, 6);
    EXPECT_EQ(CellText(card, list, row, 0), std::to_wstring(game));
    EXPECT_EQ(CellText(card, list, row, 2), L"Marlowe (practice)");
    EXPECT_EQ(CellText(card, list, row, 8), std::to_wstring(balances[game]));
    EXPECT_EQ(CellText(card, list, row, 9), game::SignedNumber(change));
    // The practice machinekeeper pays what its table says.
    if (result == L"win") {
      ++wins;
      EXPECT_EQ(CellText(card, list, row, 7),
                std::to_wstring(change + practice::kStake));
    } else {
      EXPECT_EQ(result, L"loss");
      EXPECT_EQ(CellText(card, list, row, 7), L"-");
      EXPECT_EQ(change, -practice::kStake);
    }
  }
  int best = 0;
  for (std::size_t game = 1; game < balances.size(); ++game) {
    best = std::max(best, balances[game] - balances[game - 1]);
  }
  const std::wstring rate =
      L" (" + std::to_wstring((wins * 100 + 1) / 3) + L"%)";
  EXPECT_EQ(TextOf(GetDlgItem(history, kHistorySummary)),
            L"Games: 3   Wins: " + std::to_wstring(wins) + rate + L"   Net: " +
                game::SignedNumber(balances[3] - balances[0]) +
                L"   Best win: " +
                (best > 0 ? game::SignedNumber(best) : L"none"));
  SaveScreenshot(history, L"history_window");

  const std::filesystem::path keptFile = folder.Path() / "slots-history.csv";
  const std::string kept = ReadWholeFile(keptFile);
  TrySavingOverTheKeptFile(card, history, keptFile);
  EXPECT_EQ(ReadWholeFile(keptFile), kept);
  // Another name of the same file is the file.
  const std::filesystem::path otherName = folder.Path() / "other name.csv";
  std::filesystem::create_hard_link(keptFile, otherName);
  TrySavingOverTheKeptFile(card, history, otherName);
  EXPECT_EQ(ReadWholeFile(keptFile), kept);
  const std::filesystem::path saved = folder.Path() / "saved history.csv";
  SaveThroughTheDialog(card, history, saved);
  EXPECT_EQ(ReadWholeFile(saved), kept);
  EXPECT_TRUE(kept.starts_with("\xEF\xBB\xBFGame,Time,Host,Table,"));
  EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 4);
  EXPECT_TRUE(card.Close());
}

// Many megabytes of earlier evenings, a foreign line and a torn last line:
// the card opens as always and shows the newest thousand games.
TEST(GameHistoryUi, ALargeKeptFileShowsItsNewestThousandGames) {
  CardFolder folder("history_large", false);
  folder.WriteSettings("[Main]\r\nKEEPGAMEHISTORY=1\r\n");
  std::string file = "\xEF\xBB\xBF" + game::HistoryCsvHeader() + "\r\n";
  game::GameRecord record{.host = L"Ann, \"the\" D\u00e9aler",
                          .firstSpin = {1, 2, 3},
                          .finalSpin = {4, 4, 4},
                          .result = game::GameResult::Win,
                          .balance = L"1400",
                          .change = 400,
                          .tablePays = L"2500"};
  for (record.number = 1; record.number <= 60000; ++record.number) {
    record.time = 1796738759 + record.number;
    file += game::HistoryCsvLine(record) + "\r\n";
  }
  file +=
      "somebody else's line\r\n" + game::HistoryCsvLine(record).substr(0, 40);
  std::ofstream(folder.Path() / "slots-history.csv", std::ios::binary) << file;
  ASSERT_GT(file.size(), 5u * 1024 * 1024);

  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ChooseMenuItem(card.Window(), kMnuGameHistory);
  HWND history =
      card.WaitForWindowOfCard(kHistoryWindowClass, kHistoryWindowCaption);
  ASSERT_NE(history, nullptr);
  HWND list = GetDlgItem(history, kHistoryList);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1000);
  EXPECT_EQ(CellText(card, list, 0, 0), L"60000");
  EXPECT_EQ(CellText(card, list, 0, 2), L"Ann, \"the\" D\u00e9aler");
  EXPECT_EQ(CellText(card, list, 999, 0), L"59001");
  EXPECT_EQ(TextOf(GetDlgItem(history, kHistorySummary)),
            L"Games: 1000   Wins: 1000 (100%)   Net: +400000   Best win: "
            L"+400");
  EXPECT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
