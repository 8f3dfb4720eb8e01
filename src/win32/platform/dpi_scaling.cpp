#include "win32/platform/dpi_scaling.h"

#include "win32/platform/gdi_handles.h"

namespace slots::win32 {
namespace {

// The newer DPI functions are looked up at run time: older systems lack them.
template <typename Function> Function FindUser32Function(const char *name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  // Through the generic function type, which converts without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI *)(HANDLE);
using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL,
                                                        DWORD, UINT);

const HANDLE kPerMonitorAwareV2 =
    reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

void DeclareDpiAwareness() {
  const auto setContext =
      FindUser32Function<SetProcessDpiAwarenessContextFunction>(
          "SetProcessDpiAwarenessContext");
  if (setContext != nullptr && setContext(kPerMonitorAwareV2)) {
    return;
  }
  SetProcessDPIAware();
}

int WindowDpi(HWND window) {
  const auto getDpi =
      FindUser32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpi != nullptr && window != nullptr) {
    const UINT dpi = getDpi(window);
    if (dpi > 0) {
      return static_cast<int>(dpi);
    }
  }
  return ScreenDpi();
}

int ScalePixels(int pixelsAt96, int dpi) {
  return MulDiv(pixelsAt96, dpi, kDefaultDpi);
}

int TwipsToPixels(int twips, int dpi) {
  return MulDiv(twips, dpi, kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi) {
  return MulDiv(pixels, kTwipsPerInch, dpi);
}

RECT TwipsToPixelRect(int left, int top, int width, int height, int dpi) {
  return RECT{TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
              TwipsToPixels(left + width, dpi),
              TwipsToPixels(top + height, dpi)};
}

RECT OuterRectForClient(RECT client, DWORD style, DWORD exStyle, int dpi) {
  RECT rect = client;
  const auto adjustForDpi =
      FindUser32Function<AdjustWindowRectExForDpiFunction>(
          "AdjustWindowRectExForDpi");
  if (adjustForDpi == nullptr ||
      !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    rect = client;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return rect;
}

int FontHeightForPoints(int hundredthsOfPoint, int dpi) {
  return -MulDiv(hundredthsOfPoint, dpi, 7200);
}

void MoveToSuggestedRect(HWND window, LPARAM suggestedRect) {
  const RECT *suggested = reinterpret_cast<const RECT *>(suggestedRect);
  SetWindowPos(window, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left,
               suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace slots::win32
