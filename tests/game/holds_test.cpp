#include "game/holds.h"

#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::FakeChatLibrary;
using testing::kFinalStep;
using testing::kHoldsStep;

using Sent = std::vector<FakeChatLibrary::Sent>;

class HoldsTest : public CardTest {
protected:
  HoldsTest() {
    EnterReadyToStart();
    model.steps = kHoldsStep;
  }
};

TEST_F(HoldsTest, ClickingAHoldLabelTwiceHoldsThenReleasesWithASoundEachTime) {
  ToggleHold(card, 1);
  EXPECT_EQ(model.holds, (std::array<bool, 3>{false, true, false}));
  ToggleHold(card, 1);
  EXPECT_EQ(model.holds, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(sounds.holdSounds, 2);
}

TEST_F(HoldsTest, HoldSoundSwitchedOffStaysSilent) {
  model.options.holdSound = false;
  ToggleHold(card, 0);
  EXPECT_TRUE(model.holds[0]);
  EXPECT_EQ(sounds.holdSounds, 0);
}

TEST_F(HoldsTest, EspHoldsSendsOneFlagPerReelAndOpensTheFinal) {
  ToggleHold(card, 0);
  ToggleHold(card, 2);
  EspHolds(card);
  EXPECT_EQ(library.sent, (Sent{{2, L"Dealer", L"I hold 1,0,1"}}));
  EXPECT_EQ(model.steps, kFinalStep);
}

TEST_F(HoldsTest, FlagsAreSentInReelOrder) {
  ToggleHold(card, 0);
  EspHolds(card);
  ToggleHold(card, 0);
  ToggleHold(card, 1);
  ToggleHold(card, 2);
  EspHolds(card);
  EXPECT_EQ(library.sent, (Sent{{2, L"Dealer", L"I hold 1,0,0"},
                                {2, L"Dealer", L"I hold 0,1,1"}}));
}

TEST_F(HoldsTest, ReelOutsideTheThreeChangesNothing) {
  const CardModel before = model;
  ToggleHold(card, -1);
  ToggleHold(card, 3);
  EXPECT_EQ(model, before);
  EXPECT_EQ(sounds.holdSounds, 0);
}

TEST_F(HoldsTest, EachEspHoldsSendsTheHoldsOfItsMoment) {
  EspHolds(card);
  ToggleHold(card, 1);
  EspHolds(card);
  EXPECT_EQ(library.sent, (Sent{{2, L"Dealer", L"I hold 0,0,0"},
                                {2, L"Dealer", L"I hold 0,1,0"}}));
  EXPECT_EQ(model.steps, kFinalStep);
}

} // namespace
} // namespace slots::game
