#include "win32/card/stay_on_top.h"

namespace slots::win32 {

// Only the topmost state changes: a payout window created hidden during a
// game would otherwise take the keyboard from the card.
void StayOnTop(HWND window, bool on) {
  SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace slots::win32
