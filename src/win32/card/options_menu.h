#pragma once

#include "game/card_model.h"
#include "win32/platform/gdi_handles.h"

namespace slots::win32 {

// mnuOptions: a menu that never shows as a menu bar and opens only as a
// popup. The item chosen reaches the owner window as WM_COMMAND with its
// CardMenuId.
class OptionsMenu {
public:
  OptionsMenu();
  void ShowChecks(const game::CardOptions &options);
  // Opens with its top-left corner at the point, in the owner's client
  // pixels, and returns when the menu closes.
  void Open(HWND owner, POINT clientPoint);

private:
  UniqueMenu menuBar_;
  HMENU popup_ = nullptr;
};

} // namespace slots::win32
