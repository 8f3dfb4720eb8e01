#include "win32/card/stale_keys.h"

#include <utility>

namespace slots::win32 {
namespace {

// The newest filter of this thread; its hook has no other way to reach it.
thread_local StaleKeyFilter *threadFilter = nullptr;

// Alt and its keys (Alt+F4) ask for what the card does in any state, so
// only the plain keys and the characters they type are dropped.
bool IsPlainKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
         message == WM_DEADCHAR;
}

} // namespace

StaleKeyFilter::StaleKeyFilter()
    : previous_(std::exchange(threadFilter, this)),
      hook_(SetWindowsHookExW(WH_MSGFILTER, FilterDialogMessage, nullptr,
                              GetCurrentThreadId())) {}

StaleKeyFilter::~StaleKeyFilter() { threadFilter = previous_; }

void StaleKeyFilter::DropKeysPressedUntilNow() {
  busyOnce_ = true;
  busyUntil_ = GetTickCount();
}

bool StaleKeyFilter::IsStale(const MSG &message) const {
  if (!busyOnce_ || card_ == nullptr || !IsPlainKeyMessage(message.message) ||
      message.hwnd == nullptr) {
    return false;
  }
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root != card_ && GetWindow(root, GW_OWNER) != card_) {
    return false;
  }
  // The tick count wraps after 49.7 days: the difference tells which came
  // first.
  return static_cast<LONG>(message.time - busyUntil_) < 0;
}

// Dialog boxes, message boxes among them, pass each message here before
// they handle it; a nonzero answer drops it.
LRESULT CALLBACK StaleKeyFilter::FilterDialogMessage(int code, WPARAM wParam,
                                                     LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && threadFilter != nullptr &&
      threadFilter->IsStale(*reinterpret_cast<const MSG *>(lParam))) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace slots::win32
