#pragma once

#include <windows.h>

namespace slots::win32 {

// Makes the window topmost, or a normal window again, without moving or
// resizing it.
void StayOnTop(HWND window, bool on);

} // namespace slots::win32
