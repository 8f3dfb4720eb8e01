#include "win32/scheduled_screenshot.h"

#include "win32/platform/screenshot_file.h"

#include <algorithm>
#include <chrono>

namespace slots::win32 {

ScheduledScreenshot::ScheduledScreenshot(practice::ScreenshotRequest request,
                                         std::vector<HWND> windows, HWND card)
    : request_(std::move(request)), windows_(std::move(windows)), card_(card) {
  const auto wait =
      std::chrono::duration_cast<std::chrono::milliseconds>(request_.after);
  // A thread timer: its message comes through the loop with no window.
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(wait.count()), nullptr);
}

ScheduledScreenshot::~ScheduledScreenshot() { StopTimer(); }

bool ScheduledScreenshot::HandleTimerMessage(const MSG &message) {
  if (timer_ == 0 || message.message != WM_TIMER || message.hwnd != nullptr ||
      message.wParam != timer_) {
    return false;
  }
  StopTimer();
  SaveScreenAreaAsBitmap(AreaOfWindows(), request_.path);
  PostMessageW(card_, WM_CLOSE, 0, 0);
  return true;
}

void ScheduledScreenshot::StopTimer() {
  if (timer_ != 0) {
    KillTimer(nullptr, timer_);
    timer_ = 0;
  }
}

RECT ScheduledScreenshot::AreaOfWindows() const {
  RECT area{};
  for (HWND window : windows_) {
    RECT outer{};
    if (window != nullptr && IsWindowVisible(window) &&
        GetWindowRect(window, &outer)) {
      UnionRect(&area, &area, &outer);
    }
  }
  // Only what is on the screen can be copied.
  const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN),
                    GetSystemMetrics(SM_XVIRTUALSCREEN) +
                        GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN) +
                        GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  IntersectRect(&area, &area, &screen);
  return area;
}

} // namespace slots::win32
