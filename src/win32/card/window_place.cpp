#include "win32/card/window_place.h"

#include "win32/card/card_layout.h"
#include "win32/platform/dpi_scaling.h"

namespace slots::win32 {
namespace {

// Restored places of minimised windows are kept in work-area coordinates.
POINT ScreenFromWorkArea(const RECT &workAreaRect) {
  POINT topLeft{workAreaRect.left, workAreaRect.top};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&workAreaRect, MONITOR_DEFAULTTOPRIMARY),
                      &monitor)) {
    topLeft.x += monitor.rcWork.left - monitor.rcMonitor.left;
    topLeft.y += monitor.rcWork.top - monitor.rcMonitor.top;
  }
  return topLeft;
}

} // namespace

RECT CardLayoutOuterRect(DWORD style, DWORD exStyle, int dpi) {
  const POINT topLeft{TwipsToPixels(kCardLayoutClientTwips.x, dpi),
                      TwipsToPixels(kCardLayoutClientTwips.y, dpi)};
  // The size is scaled as a whole, as the controls' right edges are.
  const RECT client{topLeft.x, topLeft.y,
                    topLeft.x + TwipsToPixels(kCardClientTwips.cx, dpi),
                    topLeft.y + TwipsToPixels(kCardClientTwips.cy, dpi)};
  return OuterRectForClient(client, style, exStyle, dpi);
}

std::optional<POINT> StoredOuterTopLeft(const shell::StoredPlace &place,
                                        const RECT &layoutOuter, int dpi) {
  POINT topLeft{layoutOuter.left, layoutOuter.top};
  if (place.top) {
    topLeft.y = TwipsToPixels(*place.top, dpi);
  }
  if (place.left) {
    topLeft.x = TwipsToPixels(*place.left, dpi);
  }
  const RECT wanted{topLeft.x, topLeft.y,
                    topLeft.x + layoutOuter.right - layoutOuter.left,
                    topLeft.y + layoutOuter.bottom - layoutOuter.top};
  if (MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) {
    return std::nullopt;
  }
  return topLeft;
}

shell::WindowPlace OuterTopLeftTwips(HWND window, int dpi) {
  POINT topLeft{};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (IsIconic(window) && GetWindowPlacement(window, &placement)) {
    topLeft = ScreenFromWorkArea(placement.rcNormalPosition);
  } else {
    RECT outer{};
    GetWindowRect(window, &outer);
    topLeft = POINT{outer.left, outer.top};
  }
  return shell::WindowPlace{PixelsToTwips(topLeft.y, dpi),
                            PixelsToTwips(topLeft.x, dpi)};
}

} // namespace slots::win32
