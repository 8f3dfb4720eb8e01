// A thousand seeded games with each machinekeeper habit, through the card's
// real actions, with a player who presses Start and Final too early and too
// late, and again with a player who lets the card wait for the
// machinekeeper: Start once as soon as the last final shows, never Final. Every
// spin the card shows must be the one dealt for the game in play, no game may
// be shown twice, and the balances must add up.
#include "practice_card_rig.h"

#include "chat/chat_line_grammar.h"
#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/machinekeeper_wait.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <tuple>

namespace slots::practice {

void PrintTo(const KeeperHabit &habit, std::ostream *os) {
  *os << std::string(habit.name.begin(), habit.name.end());
}

namespace {

using std::chrono::milliseconds;
using testing::PracticeCardRig;
using testing::ReelsFor;

constexpr int kGames = 1000;
// How long the player waits before trying a button again.
constexpr milliseconds kRetryWait{400};
constexpr int kMostTries = 40;

bool CameFromTheKeeper(const std::optional<std::wstring> &line) {
  const auto received =
      line ? chat::ParseReceivedPrivateLine(*line) : std::nullopt;
  return received && received->sender == Machinekeeper::kName;
}

// The practice table's time, as the wait reads it.
class RigWaitClock final : public game::WaitClock {
public:
  explicit RigWaitClock(const testing::FakePracticeClock &clock)
      : clock_(clock) {}
  milliseconds Now() const override {
    return std::chrono::duration_cast<milliseconds>(
        clock_.now.time_since_epoch());
  }

private:
  const testing::FakePracticeClock &clock_;
};

class PracticeThousandGames
    : public ::testing::TestWithParam<std::tuple<KeeperHabit, bool>> {
protected:
  PracticeThousandGames() : rig(20261208, std::get<0>(GetParam())) {
    rig.model.options.onlyMyMachinekeeper = std::get<1>(GetParam());
  }

  const KeeperHabit &Habit() const { return std::get<0>(GetParam()); }
  // Others at the table mention the game's markers in public; a card that
  // takes everyone's lines may open or end a game at such a line, showing
  // nothing, but never a wrong spin.
  bool MayTakeOthersLines() const {
    return Habit().chatty && !rig.model.options.onlyMyMachinekeeper;
  }
  // Too soon, about right, or a long while later.
  milliseconds PlayersDelay(milliseconds expected) {
    switch (player() % 3) {
    case 0:
      return milliseconds(0);
    case 1:
      return expected;
    default:
      return expected * 2 + milliseconds(player() % 3000);
    }
  }

  void Register() {
    game::ResetCard(rig.model);
    // At a busy table a card that takes everyone's lines would take whoever
    // mentioned the marker last: the player types the keeper's name.
    if (MayTakeOthersLines()) {
      rig.model.hostName = std::wstring(Machinekeeper::kName);
    }
    rig.RegisterWithFreeGame();
    ASSERT_EQ(rig.model.hostName, Machinekeeper::kName);
    balance.reset();
    // Another's "Amount of credits you get:" may be newer than the keeper's.
    if (!MayTakeOthersLines()) {
      ASSERT_EQ(rig.model.credits,
                std::to_wstring(rig.client.Keeper().Credits()));
      balance = rig.client.Keeper().Credits();
    }
  }

  // Runs the looks as the card window's timer does, the machinekeeper
  // dealing meanwhile, one look at a time and each at least the rhythm's
  // interval after the last; the tick that ended the wait.
  game::WaitTick RunWait() {
    game::WaitTick tick = game::WaitTick::Idle;
    std::optional<milliseconds> lastLook;
    // A wait of a minute at two looks a second: a wait that never ends fails.
    constexpr int kMostLooks = 121;
    for (int looks = 0; looks < kMostLooks; ++looks) {
      const auto due = wait.TimeToNextLook();
      if (!due) {
        return tick;
      }
      rig.Wait(*due);
      if (lastLook) {
        EXPECT_GE(waitClock.Now() - *lastLook,
                  game::MachinekeeperWait::kLookEvery);
      }
      lastLook = waitClock.Now();
      tick = wait.Tick(rig.card);
      EXPECT_NE(tick, game::WaitTick::Idle);
    }
    ADD_FAILURE() << "the wait did not end";
    wait.Stop();
    return tick;
  }

  // Presses Start until a game opens; true when it did.
  bool OpenGame() {
    if (waiting) {
      wait.ClickStart(rig.card);
      return !rig.model.steps.start ||
             RunWait() == game::WaitTick::FirstSpinShown;
    }
    rig.Wait(PlayersDelay(Habit().dealingDelay));
    for (int tries = 0; tries < kMostTries; ++tries) {
      const game::CardModel before = rig.model;
      game::Start(rig.card);
      if (!rig.model.steps.start) {
        return true;
      }
      // No game dealt yet: nothing but the payout table may change.
      game::CardModel unchanged = rig.model;
      unchanged.payouts = before.payouts;
      unchanged.payoutWindow = before.payoutWindow;
      EXPECT_EQ(unchanged, before);
      rig.Wait(kRetryWait);
    }
    return false;
  }

  void CheckFirstSpin() {
    const PracticeGame &dealt = rig.DealtGame();
    if (!CameFromTheKeeper(rig.model.firstSpinLine)) {
      EXPECT_TRUE(MayTakeOthersLines()) << "no first spin shown";
      return;
    }
    EXPECT_EQ(rig.model.reels, ReelsFor(dealt.firstSpin));
    EXPECT_FALSE(dealt.finalSent) << "a finished game opened again";
    EXPECT_TRUE(firstSpinsShown.insert(dealt.number).second)
        << "first spin of game " << dealt.number << " shown twice";
  }

  void SendHolds() {
    for (int reel = 0; reel < kReelCount; ++reel) {
      if (player() % 5 < 2) {
        game::ToggleHold(rig.card, reel);
      }
    }
    if (waiting) {
      wait.ClickEspHolds(rig.card);
    } else {
      game::EspHolds(rig.card);
    }
  }

  // Presses Final until the game ends; true when it did.
  bool EndGame() {
    if (waiting) {
      const std::size_t notices = rig.dialogs.notices.size();
      const bool shown = RunWait() == game::WaitTick::FinalShown;
      EXPECT_EQ(rig.dialogs.notices.size(), notices);
      return shown;
    }
    rig.Wait(PlayersDelay(Habit().longestThinking));
    for (int tries = 0; tries < kMostTries; ++tries) {
      const std::size_t notices = rig.dialogs.notices.size();
      const game::CardModel before = rig.model;
      game::Final(rig.card);
      if (rig.model.steps.start) {
        return true;
      }
      EXPECT_EQ(rig.dialogs.notices.size(), notices + 1);
      EXPECT_EQ(rig.model, before);
      rig.Wait(kRetryWait);
    }
    return false;
  }

  void CheckFinal(int heldGame) {
    if (!CameFromTheKeeper(rig.model.lastFinalLine)) {
      EXPECT_TRUE(MayTakeOthersLines()) << "no final shown";
      return;
    }
    const PracticeGame &played = *rig.client.Keeper().FinishedGame();
    ASSERT_EQ(played.number, heldGame);
    ASSERT_TRUE(finalsShown.insert(heldGame).second)
        << "final of game " << heldGame << " shown twice";
    EXPECT_EQ(rig.model.reels, ReelsFor(played.finalSpin));
    EXPECT_EQ(rig.model.credits, std::to_wstring(played.balanceAfter));
    EXPECT_EQ(rig.sounds.finalSounds.back(), PayoutFor(played.finalSpin) > 0
                                                 ? game::Outcome::Win
                                                 : game::Outcome::Loss);
  }

  void PlayThousandGames();

  PracticeCardRig rig;
  RigWaitClock waitClock{rig.clock};
  game::MachinekeeperWait wait{waitClock};
  bool waiting = false;
  std::mt19937 player{7};
  std::set<int> firstSpinsShown;
  std::set<int> finalsShown;
  // The balance the card showed last, while every game since was shown.
  std::optional<int> balance;
};

void PracticeThousandGames::PlayThousandGames() {
  rig.model.options.waitForMachinekeeper = waiting;
  Register();
  int abandoned = 0;
  for (int played = 1; played <= kGames; ++played) {
    SCOPED_TRACE(played);
    if (rig.client.Keeper().Credits() < kStake) {
      Register();
    }
    ASSERT_TRUE(OpenGame() || MayTakeOthersLines()) << "no game opened";
    if (rig.model.steps.start) {
      ++abandoned;
      continue;
    }
    CheckFirstSpin();
    SendHolds();
    const PracticeGame held = rig.DealtGame();
    if (!EndGame()) {
      // The player does what the notice says: Reset, and Free Game again.
      ASSERT_TRUE(MayTakeOthersLines()) << "the final never came";
      ++abandoned;
      Register();
      continue;
    }
    CheckFinal(held.number);
    // Each shown balance is the one shown before it, less the stake, plus
    // what the final spin pays.
    const bool shown = CameFromTheKeeper(rig.model.lastFinalLine);
    if (shown && balance) {
      const PracticeGame &finished = *rig.client.Keeper().FinishedGame();
      EXPECT_EQ(
          rig.model.credits,
          std::to_wstring(*balance - kStake + PayoutFor(finished.finalSpin)));
    }
    balance =
        shown ? std::optional<int>(std::stoi(rig.model.credits)) : std::nullopt;
    if (::testing::Test::HasFailure()) {
      return;
    }
  }
  if (!MayTakeOthersLines()) {
    EXPECT_EQ(abandoned, 0);
    EXPECT_EQ(finalsShown.size(), static_cast<std::size_t>(kGames));
  } else {
    EXPECT_GT(finalsShown.size(), static_cast<std::size_t>(kGames / 2));
  }
  EXPECT_LE(rig.client.ChatText().Lines().size(), PracticeChatText::kKeptLines);
}

TEST_P(PracticeThousandGames, EveryShownSpinIsThisGamesAndBalancesAddUp) {
  PlayThousandGames();
}

TEST_P(PracticeThousandGames, WaitingForTheMachinekeeperShowsEveryGameOnce) {
  waiting = true;
  PlayThousandGames();
}

INSTANTIATE_TEST_SUITE_P(
    Habits, PracticeThousandGames,
    ::testing::Combine(::testing::ValuesIn(kKeeperHabits), ::testing::Bool()),
    [](const auto &info) {
      const std::wstring &name = std::wstring(std::get<0>(info.param).name);
      return std::string(name.begin(), name.end()) +
             (std::get<1>(info.param) ? "_OnlyMyMachinekeeper" : "_AnyLine");
    });

} // namespace
} // namespace slots::practice
