// The card without the chat client's library: it plays on the practice
// table, whose chat window opens beside it.
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "game/final_spin.h"
#include "game/reel_symbols.h"
#include "game/spin_line.h"
#include "practice/practice_table_rules.h"
#include "win32/card/card_control_ids.h"
#include "win32/practice/practice_window_ids.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <optional>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using Reels = std::array<std::wstring, 3>;

constexpr wchar_t kSeedArguments[] = L"--practice-seed 11";

std::wstring ChatShown(HWND practice) {
  return TextOf(GetDlgItem(practice, kPracticeChatBox));
}

std::size_t CountInChat(HWND practice, std::wstring_view marker) {
  const std::wstring chat = ChatShown(practice);
  std::size_t count = 0;
  for (std::size_t at = chat.find(marker); at != std::wstring::npos;
       at = chat.find(marker, at + 1)) {
    ++count;
  }
  return count;
}

// The newest line of the chat box that holds the marker.
std::optional<std::wstring> NewestLineWith(HWND practice,
                                           std::wstring_view marker) {
  const std::wstring chat = ChatShown(practice);
  const std::size_t found = chat.rfind(marker);
  if (found == std::wstring::npos) {
    return std::nullopt;
  }
  const std::size_t start = chat.rfind(L"\r\n", found);
  const std::size_t lineStart = start == std::wstring::npos ? 0 : start + 2;
  const std::size_t end = chat.find(L"\r\n", found);
  return chat.substr(lineStart, end == std::wstring::npos ? std::wstring::npos
                                                          : end - lineStart);
}

// Waits until the chat box shows a spin line of this keyword holding the
// text, and takes it apart as the card does.
std::optional<game::SpinLine> WaitForSpinLine(HWND practice,
                                              std::wstring_view keyword,
                                              std::wstring_view holding) {
  std::optional<std::wstring> line;
  const bool shown = WaitFor([&] {
    line = NewestLineWith(practice, std::wstring(keyword) + L":");
    return line && line->find(holding) != std::wstring::npos;
  });
  if (!shown) {
    return std::nullopt;
  }
  return game::ParseSpinLine(*line, keyword);
}

Reels ReelsNamed(const game::SpinLine &spin) {
  Reels reels;
  for (std::size_t reel = 0; reel < reels.size(); ++reel) {
    reels[reel] = game::SymbolNameForCode(spin.codes[reel]);
  }
  return reels;
}

practice::Reels CodesOf(const game::SpinLine &spin) {
  practice::Reels codes{};
  for (std::size_t reel = 0; reel < codes.size(); ++reel) {
    codes[reel] = *game::IntegerValueOfCode(spin.codes[reel]);
  }
  return codes;
}

Reels ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

bool ShowsRed(HWND label) {
  const RECT rect = ScreenRect(label);
  return ScreenPixel(POINT{rect.left + 3, rect.top + 3}) == RGB(255, 0, 0);
}

RECT AroundBoth(HWND first, HWND second) {
  RECT both{};
  const RECT a = ScreenRect(first);
  const RECT b = ScreenRect(second);
  UnionRect(&both, &a, &b);
  return both;
}

// Presses Final before the machinekeeper has answered: the card says so and
// changes nothing.
void PressFinalTooEarly(const CardProcess &card) {
  const Reels before = ReelsShown(card);
  const std::wstring credits = TextOf(card.Control(kLblCredit));
  ClickButton(card.Control(kCommand6));
  HWND notice = card.WaitForWindowOfCard(kMessageBoxClass, L"Resetting");
  ASSERT_NE(notice, nullptr);
  AnswerMessageBox(notice, IDOK);
  ASSERT_TRUE(WaitFor([&] {
    return card.FindWindowOfCard(kMessageBoxClass, L"Resetting") == nullptr;
  }));
  EXPECT_EQ(ReelsShown(card), before);
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), credits);
  EXPECT_TRUE(IsEnabled(card.Control(kCommand6)));
}

// Presses Final as soon as the machinekeeper's answer to the holds shows in
// its chat: the card shows that final spin. Empty when none came.
std::optional<game::SpinLine> PressFinalOnceAnswered(const CardProcess &card,
                                                     HWND practice,
                                                     std::size_t finalsBefore) {
  if (!WaitFor(
          [&] { return CountInChat(practice, L"FINAL:") > finalsBefore; })) {
    return std::nullopt;
  }
  auto final = WaitForSpinLine(practice, L"FINAL", L"$(");
  if (!final) {
    return std::nullopt;
  }
  ClickButton(card.Control(kCommand6));
  EXPECT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand1)); }));
  EXPECT_EQ(ReelsShown(card), ReelsNamed(*final));
  return final;
}

TEST(PracticeTableUi,
     CardWithoutTheChatLibraryPlaysWholeGamesOnThePracticeTable) {
  CardFolder folder("practice_games", false);
  CardProcess card(folder, kSeedArguments);
  ASSERT_NE(card.Window(), nullptr);
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  const std::wstring reason = TextOf(GetDlgItem(practice, kPracticeReason));
  EXPECT_NE(reason.find(L"No wadapi.dll was found beside slotscard.exe"),
            std::wstring::npos);
  // Every place looked in, in the order they were tried.
  const std::wstring places = (folder.Path() / L"wadapi.dll").wstring() +
                              L", " + SystemFolderPlace() + L" and " +
                              WindowsFolderPlace();
  EXPECT_NE(reason.find(L"(looked for " + places + L")"), std::wstring::npos)
      << reason;
  // Beside the card, not over it.
  RECT overlap{};
  const RECT cardRect = ScreenRect(card.Window());
  const RECT practiceRect = ScreenRect(practice);
  EXPECT_FALSE(IntersectRect(&overlap, &cardRect, &practiceRect));

  RegisterWithFreeGame(card);
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Marlowe");
  int credits = practice::kStartingCredits;
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), std::to_wstring(credits));

  const std::array<std::array<bool, 3>, 4> holdsOfGames = {
      {{true, false, true},
       {false, false, false},
       {false, true, false},
       {true, true, true}}};
  for (std::size_t game = 0; game < holdsOfGames.size(); ++game) {
    SCOPED_TRACE(game + 1);
    const std::wstring gameTag = L":game " + std::to_wstring(game + 1);
    const auto first = WaitForSpinLine(practice, L"FIRST", gameTag);
    ASSERT_TRUE(first.has_value());
    ClickButton(card.Control(kCommand1));
    ASSERT_TRUE(
        WaitFor([&] { return ReelsShown(card) == ReelsNamed(*first); }));
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));

    const std::array<bool, 3> &holds = holdsOfGames[game];
    const std::array<int, 3> holdLabels = {kLabel8, kLabel9, kLabel10};
    for (std::size_t reel = 0; reel < holds.size(); ++reel) {
      if (holds[reel]) {
        ClickLabel(card.Control(holdLabels[reel]));
        ASSERT_TRUE(
            WaitFor([&] { return ShowsRed(card.Control(holdLabels[reel])); }));
      }
    }
    const std::size_t finalsBefore = CountInChat(practice, L"FINAL:");
    ClickButton(card.Control(kCommand5));
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
    if (game == 0) {
      PressFinalTooEarly(card);
    }

    const auto final = PressFinalOnceAnswered(card, practice, finalsBefore);
    ASSERT_TRUE(final.has_value());
    for (std::size_t reel = 0; reel < holds.size(); ++reel) {
      if (holds[reel]) {
        EXPECT_EQ(final->codes[reel], first->codes[reel]);
      }
    }
    credits += practice::PayoutFor(CodesOf(*final)) - practice::kStake;
    EXPECT_EQ(game::BalanceFromCreditField(final->rest),
              std::to_wstring(credits));
    EXPECT_EQ(TextOf(card.Control(kLblCredit)), std::to_wstring(credits));
  }
  SaveScreenshot(AroundBoth(card.Window(), practice), L"practice_table");

  ASSERT_TRUE(card.Close());
  EXPECT_TRUE(card.HasEnded());
}

// Reels that turn by themselves while the card waits: two looks a little
// apart show different symbols, and the game has not moved on.
bool ReelsTurnWhileWaiting(const CardProcess &card) {
  const Reels before = ReelsShown(card);
  Sleep(400);
  return ReelsShown(card) != before && IsEnabled(card.Control(kCommand1));
}

// With Wait For The Machinekeeper and a patient machinekeeper, a player
// presses Start at once after the last final, holds by keys, and never
// presses Final: each spin shows as it is dealt. A game reset while the card
// waits for its final shows nothing more.
TEST(PracticeTableUi, WaitingCardShowsEachSpinAsThePatientKeeperDealsIt) {
  CardFolder folder("practice_wait", false);
  folder.WriteSettings("[Main]\r\nWAITFORMACHINEKEEPER=1\r\n");
  CardProcess card(folder, std::wstring(kSeedArguments) +
                               L" --practice-keeper patient");
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  EXPECT_NE(TextOf(GetDlgItem(practice, kPracticeReason))
                .find(L"Options > Wait For The Machinekeeper"),
            std::wstring::npos);
  RegisterWithFreeGame(card);
  int credits = practice::kStartingCredits;
  constexpr std::chrono::seconds kDealing{40};
  for (std::size_t dealt = 1; dealt <= 2; ++dealt) {
    SCOPED_TRACE(dealt);
    PressKey(card.Window(), VK_RETURN);
    if (dealt == 2) {
      ASSERT_EQ(CountInChat(practice, L"FIRST:"), 1U);
      ASSERT_TRUE(WaitFor([&] { return ReelsTurnWhileWaiting(card); }));
      SaveScreenshot(AroundBoth(card.Window(), practice), L"waiting_cue");
    }
    ASSERT_TRUE(
        WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }, kDealing));
    const auto first = WaitForSpinLine(practice, L"FIRST", L"");
    ASSERT_TRUE(first.has_value());
    ASSERT_EQ(CountInChat(practice, L"FIRST:"), dealt);
    EXPECT_EQ(ReelsShown(card), ReelsNamed(*first));

    const std::size_t finalsBefore = CountInChat(practice, L"FINAL:");
    PressKey(card.Window(), '1');
    ASSERT_TRUE(WaitFor([&] { return ShowsRed(card.Control(kLabel8)); }));
    PressKey(card.Window(), VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
    if (dealt == 2) {
      PressKey(card.Window(), VK_ESCAPE);
      ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel2)); }));
      ASSERT_TRUE(WaitFor(
          [&] { return CountInChat(practice, L"FINAL:") > finalsBefore; },
          kDealing));
      Sleep(1500);
      EXPECT_EQ(ReelsShown(card), Reels({L"Slots", L"Slots", L"Slots"}));
      EXPECT_EQ(TextOf(card.Control(kLblCredit)), std::to_wstring(credits));
      break;
    }
    ASSERT_TRUE(
        WaitFor([&] { return IsEnabled(card.Control(kCommand1)); }, kDealing));
    const auto final = WaitForSpinLine(practice, L"FINAL", L"$(");
    ASSERT_TRUE(final.has_value());
    EXPECT_EQ(ReelsShown(card), ReelsNamed(*final));
    EXPECT_EQ(final->codes[0], first->codes[0]);
    credits += practice::PayoutFor(CodesOf(*final)) - practice::kStake;
    EXPECT_EQ(TextOf(card.Control(kLblCredit)), std::to_wstring(credits));
    SaveScreenshot(AroundBoth(card.Window(), practice), L"waiting_result");
  }
  ASSERT_TRUE(card.Close());
  EXPECT_TRUE(card.HasEnded());
}

// Machinekeepers with other habits: a patient one deals the next game long
// after the final, so a Start pressed at once meets only the finished game
// and must change nothing; a terse one deals lines that repeat word for word.
class PracticeKeeperHabitUi : public ::testing::TestWithParam<const wchar_t *> {
};

TEST_P(PracticeKeeperHabitUi, WholeGamesPlayAndStartNeverReplaysAGame) {
  CardFolder folder("practice_habit", false);
  CardProcess card(folder, std::wstring(kSeedArguments) +
                               L" --practice-keeper " + GetParam());
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  EXPECT_NE(TextOf(GetDlgItem(practice, kPracticeReason))
                .find(L"with the " + std::wstring(GetParam()) + L" habit"),
            std::wstring::npos);
  RegisterWithFreeGame(card);
  int credits = practice::kStartingCredits;
  for (std::size_t dealt = 1; dealt <= 3; ++dealt) {
    SCOPED_TRACE(dealt);
    ASSERT_TRUE(
        WaitFor([&] { return CountInChat(practice, L"FIRST:") == dealt; },
                std::chrono::seconds(20)));
    const auto first = WaitForSpinLine(practice, L"FIRST", L"");
    ASSERT_TRUE(first.has_value());
    ClickButton(card.Control(kCommand1));
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
    EXPECT_EQ(ReelsShown(card), ReelsNamed(*first));

    const std::size_t finalsBefore = CountInChat(practice, L"FINAL:");
    ClickButton(card.Control(kCommand5));
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
    const auto final = PressFinalOnceAnswered(card, practice, finalsBefore);
    ASSERT_TRUE(final.has_value());
    credits += practice::PayoutFor(CodesOf(*final)) - practice::kStake;
    EXPECT_EQ(TextOf(card.Control(kLblCredit)), std::to_wstring(credits));

    // Start at once: the patient keeper has not dealt the next game yet.
    if (CountInChat(practice, L"FIRST:") == dealt) {
      ClickButton(card.Control(kCommand1));
      EXPECT_FALSE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); },
                           std::chrono::seconds(1)));
      EXPECT_EQ(ReelsShown(card), ReelsNamed(*final));
      EXPECT_TRUE(IsEnabled(card.Control(kCommand1)));
    }
  }
  ASSERT_TRUE(card.Close());
}

INSTANTIATE_TEST_SUITE_P(Habits, PracticeKeeperHabitUi,
                         ::testing::Values(L"patient", L"terse"),
                         [](const auto &info) {
                           const std::wstring name = info.param;
                           return std::string(name.begin(), name.end());
                         });

TEST(PracticeTableUi, WithTheChatLibraryThereIsNoPracticeTableUnlessAskedFor) {
  CardFolder folder("practice_not_needed");
  {
    CardProcess card(folder);
    ASSERT_NE(card.Window(), nullptr);
    EXPECT_FALSE(WaitFor(
        [&] {
          return card.FindWindowOfCard(kPracticeWindowClass,
                                       kPracticeWindowCaption) != nullptr;
        },
        std::chrono::seconds(2)));
    ASSERT_TRUE(card.Close());
  }

  CardProcess card(folder, L"--practice");
  ASSERT_NE(card.Window(), nullptr);
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(practice, kPracticeReason))
                .rfind(L"Started with --practice", 0),
            0u);
  ClickButton(card.Control(kCommand3));
  ASSERT_TRUE(WaitFor(
      [&] { return TextOf(card.Control(kTxtHostname)) == L"Marlowe"; }));

  // A public line typed into the practice chat joins it.
  SetWindowTextW(GetDlgItem(practice, kPracticeTypingBox), L"hello table");
  ClickButton(GetDlgItem(practice, kPracticeSayButton));
  ASSERT_TRUE(WaitFor(
      [&] { return ChatShown(practice).ends_with(L"You: hello table"); }));
  EXPECT_EQ(TextOf(GetDlgItem(practice, kPracticeTypingBox)), L"");

  // Closing the practice table closes the card, which has no chat without it.
  PostMessageW(practice, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return card.HasEnded(); }));
}

TEST(PracticeTableUi, ScreenshotFlagSavesBothWindowsAndEndsTheCard) {
  CardFolder folder("practice_screenshot", false);
  const std::filesystem::path picture =
      ScreenshotFolder() / L"practice_table_by_flag.bmp";
  std::filesystem::remove(picture);
  CardProcess card(folder,
                   L"--screenshot-after 2 \"" + picture.wstring() + L"\"");
  ASSERT_NE(card.Window(), nullptr);
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  const RECT both = AroundBoth(card.Window(), practice);
  ASSERT_TRUE(WaitFor([&] { return card.HasEnded(); }));

  std::ifstream file(picture, std::ios::binary);
  ASSERT_TRUE(file.good());
  BITMAPFILEHEADER fileHeader{};
  BITMAPINFOHEADER header{};
  file.read(reinterpret_cast<char *>(&fileHeader), sizeof(fileHeader));
  file.read(reinterpret_cast<char *>(&header), sizeof(header));
  EXPECT_EQ(fileHeader.bfType, 0x4D42);
  EXPECT_EQ(header.biWidth, both.right - both.left);
  EXPECT_EQ(header.biHeight, both.bottom - both.top);
  EXPECT_EQ(std::filesystem::file_size(picture), fileHeader.bfSize);
  file.close();

  // A picture already there is never written over; the card says why (on
  // its standard error, else in a box) and still ends.
  const auto written = std::filesystem::last_write_time(picture);
  CardProcess again(folder,
                    L"--screenshot-after 1 \"" + picture.wstring() + L"\"");
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    box = again.FindWindowOfCard(kMessageBoxClass, kCardWindowCaption);
    return box != nullptr || again.HasEnded();
  }));
  if (box != nullptr) {
    EXPECT_NE(MessageBoxText(box).find(L"exists"), std::wstring::npos);
    AnswerMessageBox(box, IDOK);
  }
  EXPECT_TRUE(WaitFor([&] { return again.HasEnded(); }));
  EXPECT_EQ(std::filesystem::last_write_time(picture), written);
  EXPECT_EQ(std::filesystem::file_size(picture), fileHeader.bfSize);
}

} // namespace
} // namespace slots::ui_test
