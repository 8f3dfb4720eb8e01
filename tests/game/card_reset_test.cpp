#include "game/card_reset.h"

#include "game/first_spin.h"
#include "game/holds.h"
#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::FirstSpinLine;

class ResetTest : public CardTest {};

TEST_F(ResetTest, ResetMidGameClearsReelsHoldsAndRegistrationButKeepsCredits) {
  EnterReadyToStart();
  model.credits = L"250";
  library.SetChat({FirstSpinLine(L"05", L"09", L"14")});
  Start(card);
  ToggleHold(card, 0);
  ResetCard(model);
  for (const ReelLabel &reel : model.reels) {
    EXPECT_EQ(reel.caption, L"Slots");
  }
  EXPECT_EQ(model.reels[2].tag, L"14");
  EXPECT_EQ(model.holds, (std::array<bool, 3>{}));
  EXPECT_FALSE(model.registered);
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(model.steps, (StepControls{.start = true,
                                       .espHolds = false,
                                       .final = false,
                                       .getHost = false,
                                       .hostName = true,
                                       .freeGame = true,
                                       .reset = true}));
}

TEST_F(ResetTest, ResetAfterTheHoldsWereSentClosesTheFinal) {
  EnterFinalStep();
  model.firstSpinLine = FirstSpinLine(L"05", L"09", L"14");
  ResetCard(model);
  EXPECT_FALSE(model.steps.final);
  EXPECT_FALSE(model.steps.espHolds);
  EXPECT_TRUE(model.steps.start);
  EXPECT_FALSE(model.firstSpinLine);
}

TEST_F(ResetTest, StartAfterResetWaitsForFreeGame) {
  EnterReadyToStart();
  library.SetChat({FirstSpinLine(L"05", L"09", L"14")});
  ResetCard(model);
  const CardModel afterReset = model;
  Start(card);
  EXPECT_EQ(model, afterReset);
  ResetCard(model);
  EXPECT_EQ(model, afterReset);
}

} // namespace
} // namespace slots::game
