#include "game/reel_animation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace slots::game {
namespace {

// Runs the animation's timers on a simulated clock, as the window runs them:
// a timer ticks one interval after its countdown last started over.
class TimerClock {
public:
  struct ReelRun {
    std::vector<int> pictures; // shown after each tick that moved the reel
    std::optional<int> stoppedAtMs;
    int longestIntervalMs = 0;
  };

  explicit TimerClock(ReelAnimation &animation) : animation_(animation) {}

  void ClickSpin() {
    animation_.ClickSpin();
    ScheduleTimers(kNoTimer);
  }

  // Runs every tick due up to and including the given time.
  void RunUntil(int timeMs) {
    for (int timer = NextDueTimer(timeMs); timer != kNoTimer;
         timer = NextDueTimer(timeMs)) {
      nowMs_ = *due_[timer];
      Tick(timer);
      ScheduleTimers(timer);
    }
    nowMs_ = timeMs;
  }

  void RunUntilIdle() {
    RunUntil(kLongestRunMs);
    for (int timer = 0; timer < kTimers; ++timer) {
      ASSERT_FALSE(due_[timer]) << "timer " << timer << " still runs";
    }
  }

  const ReelRun &Reel(int reel) const { return runs_[reel]; }
  std::optional<int> StartTimerStoppedAtMs() const {
    return runs_[0].stoppedAtMs;
  }

private:
  static constexpr int kTimers = 4; // the start timer, then reels 1 to 3
  static constexpr int kNoTimer = -1;
  static constexpr int kLongestRunMs = 60'000;

  const AnimationTimer &Timer(int timer) const {
    return timer == 0 ? animation_.StartTimer() : animation_.SpinTimer(timer);
  }

  int NextDueTimer(int limitMs) const {
    int next = kNoTimer;
    for (int timer = 0; timer < kTimers; ++timer) {
      if (due_[timer] && *due_[timer] <= limitMs &&
          (next == kNoTimer || *due_[timer] < *due_[next])) {
        next = timer;
      }
    }
    return next;
  }

  void Tick(int timer) {
    if (timer == 0) {
      animation_.TickStart();
    } else {
      animation_.TickSpin(timer);
      if (Timer(timer).enabled) {
        // An empty strip shows no picture while it spins.
        runs_[timer].pictures.push_back(
            animation_.ShownPicture(timer).value_or(-1));
      }
    }
    if (!Timer(timer).enabled) {
      runs_[timer].stoppedAtMs = nowMs_;
    }
  }

  void ScheduleTimers(int tickedTimer) {
    for (int timer = 0; timer < kTimers; ++timer) {
      const AnimationTimer &state = Timer(timer);
      if (!state.enabled) {
        due_[timer].reset();
      } else if (state.restarts != restartsSeen_[timer] ||
                 timer == tickedTimer) {
        due_[timer] = nowMs_ + state.intervalMs;
        restartsSeen_[timer] = state.restarts;
        runs_[timer].longestIntervalMs =
            std::max(runs_[timer].longestIntervalMs, state.intervalMs);
      }
    }
  }

  ReelAnimation &animation_;
  int nowMs_ = 0;
  std::optional<int> due_[kTimers];
  std::uint32_t restartsSeen_[kTimers] = {};
  ReelRun runs_[kTimers];
};

std::vector<int> PicturesFrom(int first, int last) {
  std::vector<int> pictures;
  for (int picture = first; picture <= last; ++picture) {
    pictures.push_back(picture);
  }
  return pictures;
}

TEST(ReelAnimationTest, ThirtyPictureReelsAdvanceEighteenThenStopInTurn) {
  ReelAnimation animation({30, 30, 30});
  TimerClock clock(animation);
  EXPECT_EQ(animation.ShownPicture(1), std::nullopt);
  clock.ClickSpin();
  clock.RunUntilIdle();
  EXPECT_EQ(clock.StartTimerStoppedAtMs(), 800);
  EXPECT_EQ(clock.Reel(1).pictures, PicturesFrom(1, 18));
  EXPECT_EQ(clock.Reel(1).stoppedAtMs, 3750);
  EXPECT_EQ(clock.Reel(2).stoppedAtMs, 3950);
  EXPECT_EQ(clock.Reel(3).stoppedAtMs, 4150);
  EXPECT_EQ(animation.ShownPicture(1), 6);
  EXPECT_EQ(animation.ShownPicture(2), 17);
  EXPECT_EQ(animation.ShownPicture(3), 17);
  for (int reel = 1; reel <= 3; ++reel) {
    EXPECT_EQ(clock.Reel(reel).longestIntervalMs, 800) << "reel " << reel;
  }
}

TEST(ReelAnimationTest, ThreePictureStripRunsOneTopSpeedTickAndWraps) {
  ReelAnimation animation({3, 30, 30});
  TimerClock clock(animation);
  clock.ClickSpin();
  clock.RunUntilIdle();
  EXPECT_EQ(clock.Reel(1).pictures,
            (std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(clock.Reel(1).stoppedAtMs, 200 + 3050 + 50);
  // Its target, picture 6, is not on the strip: the last picture stays.
  EXPECT_EQ(animation.ShownPicture(1), 3);
}

TEST(ReelAnimationTest, EmptyAndTinyStripsStillStop) {
  ReelAnimation animation({0, 1, 2});
  TimerClock clock(animation);
  clock.ClickSpin();
  clock.RunUntilIdle();
  EXPECT_EQ(animation.ShownPicture(1), std::nullopt);
  EXPECT_EQ(animation.ShownPicture(2), 1);
  EXPECT_EQ(animation.ShownPicture(3), 1);
  animation.TickSpin(4);
  EXPECT_FALSE(animation.SpinTimer(4).enabled);
}

TEST(ReelAnimationTest, SpinDuringASpinRestartsEachReelFromItsPicture) {
  ReelAnimation animation({30, 30, 30});
  TimerClock clock(animation);
  clock.ClickSpin();
  clock.RunUntil(2100);
  clock.ClickSpin();
  // Reel 1 slows down as before until the start timer restarts it at 2300.
  clock.RunUntil(3099);
  EXPECT_EQ(animation.ShownPicture(1), 15);
  EXPECT_EQ(animation.SpinTimer(1).intervalMs, 800);
  clock.RunUntil(3100);
  EXPECT_EQ(animation.ShownPicture(1), 16);
  clock.RunUntilIdle();
  EXPECT_EQ(clock.Reel(1).stoppedAtMs, 2300 + 3550);
  EXPECT_EQ(clock.Reel(3).stoppedAtMs, 2700 + 3550);
  EXPECT_EQ(animation.ShownPicture(1), 6);
}

} // namespace
} // namespace slots::game
