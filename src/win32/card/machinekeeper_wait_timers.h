#pragma once

#include "game/machinekeeper_wait.h"
#include "win32/card/card_controls.h"

#include <windows.h>

namespace slots::win32 {

// The steady clock the wait keeps its rhythm by.
class TickCountWaitClock final : public game::WaitClock {
public:
  std::chrono::milliseconds Now() const override {
    return std::chrono::milliseconds(GetTickCount64());
  }
};

// Runs the window timers of a wait for the machinekeeper: one for the next
// look, one that turns the waiting cue on the reels.
class MachinekeeperWaitTimers {
public:
  // Sets the timers as the wait needs them now, or kills them when it is
  // over, and shows the reels as they are then.
  void Follow(HWND window, CardControls &controls, const game::CardModel &model,
              const game::MachinekeeperWait &wait);
  // True for the wait's own timers. A due look is reported, not run: the
  // window runs it as it runs a click.
  bool IsLookTimer(UINT_PTR timerId) const;
  bool HandleCueTimer(UINT_PTR timerId, CardControls &controls,
                      const game::CardModel &model,
                      const game::MachinekeeperWait &wait);

private:
  bool cueRunning_ = false;
};

} // namespace slots::win32
