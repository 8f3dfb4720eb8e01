#pragma once

#include <windows.h>

namespace slots::win32 {

// The payout window's background: two columns of eight rows of reel
// pictures on the window's dark ground, each row left of its value label.
void DrawPayoutChart(HDC dc, int dpi);

} // namespace slots::win32
