#pragma once

#include "win32/platform/gdi_handles.h"

#include <windows.h>

namespace slots::win32 {

// Keys pressed while the card is busy wait in the queue, and would then act
// on what the card shows afterwards: a second Enter during a slow Start would
// press ESP Holds with nothing held, a quick double Enter would answer a
// question before the player has read it. A mouse click cannot do this: the
// card drops clicks while it is busy. So keys for the card, its own windows
// and its boxes are dropped when they were pressed (the message's time says
// when) before the last action ended or the last box opened.
class StaleKeyFilter {
public:
  // Looks at the keys of every dialog box of this thread, message boxes
  // included, for as long as it lives.
  StaleKeyFilter();
  StaleKeyFilter(const StaleKeyFilter &) = delete;
  StaleKeyFilter &operator=(const StaleKeyFilter &) = delete;
  ~StaleKeyFilter();

  // The card window, whose keys and whose owned windows' keys it drops.
  void WatchCard(HWND card) { card_ = card; }
  // Keys pressed until now are stale: call as an action ends and before a
  // box opens.
  void DropKeysPressedUntilNow();
  bool IsStale(const MSG &message) const;

private:
  static LRESULT CALLBACK FilterDialogMessage(int code, WPARAM wParam,
                                              LPARAM lParam);

  HWND card_ = nullptr;
  bool busyOnce_ = false;
  DWORD busyUntil_ = 0;
  StaleKeyFilter *previous_;
  UniqueHook hook_;
};

} // namespace slots::win32
