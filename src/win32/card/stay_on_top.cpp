#include "win32/card/stay_on_top.h"

namespace slots::win32 {

void StayOnTop(HWND window, bool on) {
  SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace slots::win32
