#include "win32/practice/practice_window_place.h"

#include <algorithm>

namespace slots::win32 {
namespace {

LONG Clamp(LONG value, LONG low, LONG high) {
  return std::max(low, std::min(value, high));
}

} // namespace

RECT PracticeWindowPlace(const RECT &cardOuter, SIZE outerSize,
                         const RECT &workArea, int gap) {
  POINT topLeft{cardOuter.right + gap, cardOuter.top};
  if (topLeft.x + outerSize.cx > workArea.right) {
    topLeft = POINT{cardOuter.left, cardOuter.bottom + gap};
  }
  topLeft.x = Clamp(topLeft.x, workArea.left, workArea.right - outerSize.cx);
  topLeft.y = Clamp(topLeft.y, workArea.top, workArea.bottom - outerSize.cy);
  return RECT{topLeft.x, topLeft.y, topLeft.x + outerSize.cx,
              topLeft.y + outerSize.cy};
}

} // namespace slots::win32
