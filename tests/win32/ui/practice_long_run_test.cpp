// A thousand games on the practice table, played through the card's own
// controls with the machinekeeper at its fast pace ("--practice-pace fast"):
// every balance adds up, and the card's live GDI and USER objects, its
// windows and its memory stay flat from game to game.
// Its own ctest entry, win32_practice_long_run, shows how long it takes.
#include "card_resources.h"
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "practice/practice_table_rules.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

constexpr int kGames = 1000;
constexpr int kSampleEvery = 50;
// Handles and windows are compared from game 50 on: by then every object the
// card makes once, on first use, exists.
constexpr int kHandlesSettledAfter = 50;
// The practice chat keeps its newest 1000 lines, five more each game, so the
// text that the machinekeeper, the chat box and the card's last fetch each
// hold grows for the first 200 games. Memory is compared from game 250, when
// the chat has long been full.
constexpr int kChatFullAfter = 250;
// From game 250 to 1000 the card's private resident memory may grow by at
// most 1 MB: a leak of 1.4 KB a game breaks it (one lost copy of the chat
// text is about 150 KB), while it has been seen to stay within 0.4 KB of its
// level there. The whole working set also holds shared and file-backed pages
// that come and go by about 1 MB; it may grow by 4 MB.
constexpr std::size_t kPrivateMemoryGrowthBound = 1024 * 1024;
constexpr std::size_t kWorkingSetGrowthBound = 4 * 1024 * 1024;

// Reset and Free Game for a fresh stake, as the machinekeeper asks.
void RegisterAgain(const CardProcess &card, int &credits) {
  ClickLabel(card.Control(kLabel3));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel2)); }));
  RegisterWithFreeGame(card);
  credits = practice::kStartingCredits;
  ASSERT_EQ(CreditsShown(card), credits);
}

struct Sample {
  int game = 0;
  std::chrono::steady_clock::duration elapsed{};
  CardResources resources;
};

void PrintSample(const Sample &sample) {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(sample.elapsed);
  std::printf("after game %4d, %7.1f s: %s\n", sample.game,
              static_cast<double>(seconds.count()) / 1000.0,
              DescribeResources(sample.resources).c_str());
}

const Sample &SampleAfterGame(const std::vector<Sample> &samples, int game) {
  for (const Sample &sample : samples) {
    if (sample.game == game) {
      return sample;
    }
  }
  return samples.back();
}

TEST(PracticeLongRun, ThousandGamesLeaveHandlesWindowsAndMemoryFlat) {
  CardFolder folder("practice_long_run", false);
  CardProcess card(folder, L"--practice-seed 20261208 --practice-pace fast");
  ASSERT_NE(card.Window(), nullptr);
  ASSERT_NE(WaitForPracticeWindow(card), nullptr);
  RegisterWithFreeGame(card);
  int credits = practice::kStartingCredits;
  ASSERT_EQ(CreditsShown(card), credits);

  std::mt19937 player(7);
  std::bernoulli_distribution holdsReel(0.4);
  std::vector<Sample> samples;
  int freshStakes = 0;
  const auto started = std::chrono::steady_clock::now();
  for (int game = 1; game <= kGames; ++game) {
    SCOPED_TRACE(game);
    practice::Holds holds{};
    for (bool &held : holds) {
      held = holdsReel(player);
    }
    ASSERT_NO_FATAL_FAILURE(PlayOneFastPracticeGame(card, holds, credits));
    if (credits < practice::kStake) {
      ASSERT_NO_FATAL_FAILURE(RegisterAgain(card, credits));
      ++freshStakes;
    }
    if (game == 1 || game % kSampleEvery == 0) {
      const auto resources = ReadCardResources(card);
      ASSERT_TRUE(resources.has_value());
      samples.push_back(
          {game, std::chrono::steady_clock::now() - started, *resources});
      PrintSample(samples.back());
    }
  }
  std::printf("%d games, %d fresh stakes\n", kGames, freshStakes);

  const CardResources &settled =
      SampleAfterGame(samples, kHandlesSettledAfter).resources;
  const CardResources &chatFull =
      SampleAfterGame(samples, kChatFullAfter).resources;
  const CardResources &last = samples.back().resources;
  // The card's owners always hold its fonts and brushes: a count of 0 would
  // mean nobody answered.
  EXPECT_GT(settled.gdiObjects, 0);
  EXPECT_EQ(last.gdiObjects, settled.gdiObjects);
  EXPECT_EQ(last.userObjects, settled.userObjects);
  EXPECT_EQ(last.ownedKernelHandles, settled.ownedKernelHandles);
  EXPECT_EQ(last.windows, settled.windows);
  EXPECT_LE(last.privateBytes,
            chatFull.privateBytes + kPrivateMemoryGrowthBound);
  EXPECT_LE(last.workingSetBytes,
            chatFull.workingSetBytes + kWorkingSetGrowthBound);

  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
