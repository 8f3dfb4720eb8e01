#pragma once

#include <windows.h>

namespace slots::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Per-monitor where the system offers it, else system-wide.
void DeclareDpiAwareness();

// The dots per inch the window is drawn at.
int WindowDpi(HWND window);

// A size given in pixels at 96 dpi, at this DPI.
int ScalePixels(int pixelsAt96, int dpi);
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

// Left, top, width and height in twips to a pixel rectangle; edges are scaled
// one by one, so neighbouring controls keep their gaps.
RECT TwipsToPixelRect(int left, int top, int width, int height, int dpi);

// The outer rectangle of a window whose client area is the given one.
RECT OuterRectForClient(RECT client, DWORD style, DWORD exStyle, int dpi);

// The message a window gets when it moves to a screen of another DPI.
inline constexpr UINT kDpiChangedMessage = 0x02E0;
// Moves the window to the rectangle that message suggests (its lParam).
void MoveToSuggestedRect(HWND window, LPARAM suggestedRect);

// LOGFONT height for a point size given in hundredths of a point.
int FontHeightForPoints(int hundredthsOfPoint, int dpi);

} // namespace slots::win32
