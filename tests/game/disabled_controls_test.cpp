// A disabled control takes no clicks: each action checks its own control,
// so a click that reaches it anyway (posted to a disabled control, or queued
// while the step changed) changes nothing and asks nothing of the chat.
#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/host_lookup.h"

#include "game_fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::FinalSpinLine;
using testing::FirstSpinLine;

class DisabledControlTest : public CardTest {
protected:
  DisabledControlTest() {
    library.SetChat({L"Dealer: Your machinekeeper is Dealer",
                     L"Dealer: Amount of credits you get: 250",
                     FirstSpinLine(L"05", L"09", L"14"),
                     FinalSpinLine(L"14", L"14", L"14", L"900")});
  }

  // Everything the action needs is there, except its enabled control.
  void ExpectNoEffect(const std::function<void(StepControls &)> &disable,
                      const std::function<void()> &action) {
    disable(model.steps);
    const CardModel before = model;
    action();
    EXPECT_EQ(model, before);
    EXPECT_EQ(library.fetches, 0);
    EXPECT_TRUE(library.sent.empty());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.notices.empty());
    EXPECT_EQ(sounds.startSounds, 0);
    EXPECT_TRUE(sounds.finalSounds.empty());
  }
};

TEST_F(DisabledControlTest, GetHost) {
  ExpectNoEffect([](StepControls &steps) { steps.getHost = false; },
                 [&] { GetHost(card); });
}

TEST_F(DisabledControlTest, FreeGame) {
  ExpectNoEffect([](StepControls &steps) { steps.freeGame = false; },
                 [&] { FreeGame(card); });
}

TEST_F(DisabledControlTest, Start) {
  EnterReadyToStart();
  ExpectNoEffect([](StepControls &steps) { steps.start = false; },
                 [&] { Start(card); });
}

TEST_F(DisabledControlTest, EspHolds) {
  EnterReadyToStart();
  ExpectNoEffect([](StepControls &steps) { steps.espHolds = false; },
                 [&] { EspHolds(card); });
}

TEST_F(DisabledControlTest, Final) {
  EnterFinalStep();
  model.holds = {true, true, false};
  ExpectNoEffect([](StepControls &steps) { steps.final = false; },
                 [&] { Final(card); });
}

TEST_F(DisabledControlTest, Reset) {
  EnterFinalStep();
  model.reels[0] = {L"Cherry", L"14"};
  model.holds = {true, true, false};
  ExpectNoEffect([](StepControls &steps) { steps.reset = false; },
                 [&] { ResetCard(model); });
}

} // namespace
} // namespace slots::game
