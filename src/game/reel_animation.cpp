#include "game/reel_animation.h"

#include <algorithm>

namespace slots::game {
namespace {

// Top-speed ticks of one spin. A strip of fewer than three pictures still
// gets one, so its reel slows down and stops instead of running forever.
int TopSpeedTicks(int pictureCount) { return std::max(1, pictureCount / 3); }

const AnimationTimer kIdleTimer;

bool IsReelNumber(int reel) {
  return reel >= 1 && reel <= ReelAnimation::kReelCount;
}

std::size_t ReelIndex(int reel) { return static_cast<std::size_t>(reel - 1); }

} // namespace

ReelAnimation::ReelAnimation(const std::array<int, kReelCount> &pictureCounts) {
  for (std::size_t i = 0; i < reels_.size(); ++i) {
    reels_[i].pictureCount = std::max(0, pictureCounts[i]);
  }
}

void ReelAnimation::ClickSpin() {
  for (std::size_t i = 0; i < reels_.size(); ++i) {
    reels_[i].target = kTargets[i];
  }
  reelsStarted_ = 0;
  if (!startTimer_.enabled) {
    startTimer_.enabled = true;
    ++startTimer_.restarts;
  }
}

void ReelAnimation::TickStart() {
  if (!startTimer_.enabled) {
    return;
  }
  ++reelsStarted_;
  Reel *reel = FindReel(reelsStarted_);
  if (reel == nullptr) {
    startTimer_.enabled = false;
    return;
  }
  reel->fastTicks = 0;
  reel->slowing = false;
  SetInterval(reel->timer, kStartIntervalMs);
  reel->timer.enabled = true;
}

void ReelAnimation::TickSpin(int reelNumber) {
  Reel *reel = FindReel(reelNumber);
  if (reel == nullptr || !reel->timer.enabled) {
    return;
  }
  AnimationTimer &timer = reel->timer;
  if (reel->slowing) {
    if (timer.intervalMs == kStartIntervalMs) {
      timer.enabled = false;
      ShowPicture(*reel, reel->target);
      return;
    }
    SetInterval(timer, timer.intervalMs * 2);
  } else if (timer.intervalMs != kTopSpeedIntervalMs) {
    SetInterval(timer, timer.intervalMs / 2);
  } else if (++reel->fastTicks == TopSpeedTicks(reel->pictureCount)) {
    reel->slowing = true;
  }
  ++reel->position;
  if (reel->position > reel->pictureCount) {
    reel->position = 1;
  }
  ShowPicture(*reel, reel->position);
}

const AnimationTimer &ReelAnimation::SpinTimer(int reel) const {
  const Reel *found = FindReel(reel);
  return found != nullptr ? found->timer : kIdleTimer;
}

std::optional<int> ReelAnimation::ShownPicture(int reel) const {
  const Reel *found = FindReel(reel);
  return found != nullptr ? found->shownPicture : std::nullopt;
}

ReelAnimation::Reel *ReelAnimation::FindReel(int reel) {
  return IsReelNumber(reel) ? &reels_[ReelIndex(reel)] : nullptr;
}

const ReelAnimation::Reel *ReelAnimation::FindReel(int reel) const {
  return IsReelNumber(reel) ? &reels_[ReelIndex(reel)] : nullptr;
}

void ReelAnimation::SetInterval(AnimationTimer &timer, int intervalMs) {
  timer.intervalMs = intervalMs;
  ++timer.restarts;
}

// A picture number outside the strip (an empty strip, or a target beyond its
// end) shows nothing new: the reel keeps the picture it shows.
void ReelAnimation::ShowPicture(Reel &reel, int picture) {
  if (picture >= 1 && picture <= reel.pictureCount) {
    reel.shownPicture = picture;
  }
}

} // namespace slots::game
