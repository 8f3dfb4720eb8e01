#pragma once

#include "practice/start_options.h"

#include <windows.h>

#include <vector>

namespace slots::win32 {

// Takes a picture of the card's windows once the requested time has passed,
// then closes the card: for a run on a screen nobody can see. The wait runs
// on a timer of the window thread, which goes on painting meanwhile.
class ScheduledScreenshot {
public:
  ScheduledScreenshot(practice::ScreenshotRequest request,
                      std::vector<HWND> windows, HWND card);
  ScheduledScreenshot(const ScheduledScreenshot &) = delete;
  ScheduledScreenshot &operator=(const ScheduledScreenshot &) = delete;
  ~ScheduledScreenshot();

  // True when the message was this screenshot's timer.
  bool HandleTimerMessage(const MSG &message);

private:
  void StopTimer();
  RECT AreaOfWindows() const;

  practice::ScreenshotRequest request_;
  std::vector<HWND> windows_;
  HWND card_;
  UINT_PTR timer_ = 0;
  bool refused_ = false;
};

} // namespace slots::win32
