#include "win32/card/machinekeeper_wait_timers.h"

#include "win32/platform/window_text.h"

#include <algorithm>
#include <array>

namespace slots::win32 {
namespace {

constexpr UINT_PTR kLookTimerId = 200;
constexpr UINT_PTR kCueTimerId = 201;

void ShowReels(CardControls &controls, const game::CardModel &model,
               const game::MachinekeeperWait &wait) {
  constexpr std::array kReels{kLblS1, kLblS2, kLblS3};
  for (std::size_t reel = 0; reel < kReels.size(); ++reel) {
    const auto cue = wait.CueCaption(model, static_cast<int>(reel));
    ShowWindowText(controls.Get(kReels[reel]),
                   cue ? std::wstring(*cue) : model.reels[reel].caption);
  }
}

} // namespace

void MachinekeeperWaitTimers::Follow(HWND window, CardControls &controls,
                                     const game::CardModel &model,
                                     const game::MachinekeeperWait &wait) {
  const auto untilLook = wait.TimeToNextLook();
  if (untilLook) {
    // A zero timer would fire at once, again and again, while a box is up.
    const auto delay = std::max<long long>(untilLook->count(), 10);
    SetTimer(window, kLookTimerId, static_cast<UINT>(delay), nullptr);
    if (!cueRunning_) {
      cueRunning_ =
          SetTimer(window, kCueTimerId,
                   static_cast<UINT>(game::MachinekeeperWait::kCueStep.count()),
                   nullptr) != 0;
    }
  } else {
    KillTimer(window, kLookTimerId);
    KillTimer(window, kCueTimerId);
    cueRunning_ = false;
  }
  ShowReels(controls, model, wait);
}

bool MachinekeeperWaitTimers::IsLookTimer(UINT_PTR timerId) const {
  return timerId == kLookTimerId;
}

bool MachinekeeperWaitTimers::HandleCueTimer(
    UINT_PTR timerId, CardControls &controls, const game::CardModel &model,
    const game::MachinekeeperWait &wait) {
  if (timerId != kCueTimerId) {
    return false;
  }
  ShowReels(controls, model, wait);
  return true;
}

} // namespace slots::win32
