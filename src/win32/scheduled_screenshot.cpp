#include "win32/scheduled_screenshot.h"

#include "practice/screenshot_path.h"
#include "win32/card/card_control_ids.h"
#include "win32/platform/new_file.h"
#include "win32/platform/problem_report.h"
#include "win32/platform/screenshot_file.h"

#include <algorithm>
#include <chrono>

namespace slots::win32 {
namespace {

void ReportNotSaved(const std::wstring &path, const std::wstring &why) {
  ReportProblem(kCardWindowCaption,
                L"No screenshot saved to " + path + L": " + why + L".");
}

} // namespace

ScheduledScreenshot::ScheduledScreenshot(practice::ScreenshotRequest request,
                                         std::vector<HWND> windows, HWND card)
    : request_(std::move(request)), windows_(std::move(windows)), card_(card) {
  // Told at once; the card still ends after the wait, as a run on a screen
  // nobody sees expects.
  const std::optional<std::wstring> refusal =
      practice::RefusalOfScreenshotPath(request_.path);
  refused_ = refusal.has_value();
  if (refusal) {
    ReportNotSaved(request_.path, *refusal);
  }
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
  if (!refused_) {
    const std::optional<std::string> bitmap =
        CaptureScreenAreaAsBitmap(AreaOfWindows());
    const std::optional<std::wstring> failure =
        bitmap ? WriteNewFile(request_.path, *bitmap)
               : L"the screen could not be copied";
    if (failure) {
      ReportNotSaved(request_.path, *failure);
    }
  }
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
