#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace slots::game {

// One of the animation's timers as the window should run it.
struct AnimationTimer {
  bool enabled = false;
  int intervalMs = 0;
  // Grows each time the countdown starts over (the timer was enabled or its
  // interval set), so the window knows when to set its timer again.
  std::uint32_t restarts = 0;
};

// The picture reels behind "Spin": three strips that speed up, run at top
// speed, slow down and stop on a target picture, started one after the other.
// It runs no timer itself: the window runs the timers it describes and hands
// their ticks in. Reels are numbered 1 to 3, like their timers.
class ReelAnimation {
public:
  static constexpr int kReelCount = 3;
  static constexpr int kStaggerMs = 200;
  static constexpr int kStartIntervalMs = 800;
  static constexpr int kTopSpeedIntervalMs = 50;
  static constexpr std::array<int, kReelCount> kTargets = {6, 17, 17};

  // The number of pictures in the strip of reels 1, 2 and 3.
  explicit ReelAnimation(const std::array<int, kReelCount> &pictureCounts);

  // Command7 "Spin"; also while a spin runs, which restarts the reels one by
  // one.
  void ClickSpin();
  // tmrStart: starts the next reel, and switches itself off after the third.
  void TickStart();
  // tmrSpin(reel).
  void TickSpin(int reel);

  const AnimationTimer &StartTimer() const { return startTimer_; }
  const AnimationTimer &SpinTimer(int reel) const;
  // The picture (1-based) the reel shows, or empty while it still shows the
  // window's reel picture.
  std::optional<int> ShownPicture(int reel) const;

private:
  struct Reel {
    int pictureCount = 0;
    int target = 0;
    int position = 0;
    int fastTicks = 0;
    bool slowing = false;
    AnimationTimer timer;
    std::optional<int> shownPicture;
  };

  Reel *FindReel(int reel);
  const Reel *FindReel(int reel) const;
  static void SetInterval(AnimationTimer &timer, int intervalMs);
  static void ShowPicture(Reel &reel, int picture);

  std::array<Reel, kReelCount> reels_;
  AnimationTimer startTimer_{.enabled = false, .intervalMs = kStaggerMs};
  int reelsStarted_ = 0;
};

} // namespace slots::game
