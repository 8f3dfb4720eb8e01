// A thousand seeded games on the practice table through the card's real
// actions, checked against what the machinekeeper dealt.
#include "practice_card_rig.h"

#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"

#include <gtest/gtest.h>

#include <random>

namespace slots::practice {
namespace {

using testing::PracticeCardRig;
using testing::ReelsFor;

constexpr int kGames = 1000;
// Every seventh game the player presses Final before the keeper answered.
constexpr int kEarlyFinalEvery = 7;
// Every fifth game the player looks away for a while before pressing Final.
constexpr int kLateFinalEvery = 5;
constexpr std::chrono::seconds kLookingAway{5};

TEST(PracticeThousandGames, CardShowsEveryDealtGameAndTheBalancesAddUp) {
  PracticeCardRig rig(20261208);
  std::mt19937 player(7);
  std::bernoulli_distribution holdsReel(0.4);

  rig.RegisterWithFreeGame();
  int expectedCredits = kStartingCredits;
  ASSERT_EQ(rig.model.credits, std::to_wstring(expectedCredits));
  int earlyFinals = 0;
  int freshStakes = 0;

  for (int played = 1; played <= kGames; ++played) {
    SCOPED_TRACE(played);
    game::Start(rig.card);
    const PracticeGame dealt = rig.DealtGame();
    ASSERT_EQ(rig.model.reels, ReelsFor(dealt.firstSpin));
    const std::array<game::ReelLabel, kReelCount> firstReels = rig.model.reels;

    Holds holds{};
    for (int reel = 0; reel < kReelCount; ++reel) {
      holds[static_cast<std::size_t>(reel)] = holdsReel(player);
      if (holds[static_cast<std::size_t>(reel)]) {
        game::ToggleHold(rig.card, reel);
      }
    }
    game::EspHolds(rig.card);

    if (played % kEarlyFinalEvery == 0) {
      const game::CardModel before = rig.model;
      game::Final(rig.card);
      ASSERT_EQ(rig.dialogs.notices.size(),
                static_cast<std::size_t>(++earlyFinals));
      ASSERT_EQ(rig.model, before);
    }
    rig.Wait(kPlayersPace.thinkingTime);
    if (played % kLateFinalEvery == 0) {
      rig.Wait(kLookingAway);
    }
    // The keeper deals the next game as the card fetches this final.
    const PracticeGame finished = rig.DealtGame();
    game::Final(rig.card);

    ASSERT_EQ(finished.number, dealt.number);
    ASSERT_EQ(finished.holds, holds);
    ASSERT_EQ(rig.model.reels, ReelsFor(finished.finalSpin));
    for (std::size_t reel = 0; reel < holds.size(); ++reel) {
      if (holds[reel]) {
        ASSERT_EQ(rig.model.reels[reel], firstReels[reel]);
      }
    }
    const int payout = PayoutFor(finished.finalSpin);
    expectedCredits += payout - kStake;
    ASSERT_EQ(rig.model.credits, std::to_wstring(expectedCredits));
    ASSERT_EQ(rig.sounds.finalSounds.back(),
              payout > 0 ? game::Outcome::Win : game::Outcome::Loss);
    ASSERT_EQ(rig.model.steps, game::testing::kReadyToStart);

    if (expectedCredits < kStake) {
      game::ResetCard(rig.model);
      rig.RegisterWithFreeGame();
      expectedCredits = kStartingCredits;
      ASSERT_EQ(rig.model.credits, std::to_wstring(expectedCredits));
      ++freshStakes;
    }
  }
  EXPECT_EQ(earlyFinals, kGames / kEarlyFinalEvery);
  EXPECT_GT(freshStakes, 0);
  EXPECT_LE(rig.client.ChatText().Lines().size(), PracticeChatText::kKeptLines);
}

} // namespace
} // namespace slots::practice
