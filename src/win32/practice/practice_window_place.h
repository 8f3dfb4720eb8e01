#pragma once

#include <windows.h>

namespace slots::win32 {

// Where the practice window opens: right of the card, tops aligned; below
// the card when the work area has no room on the right; inside the work
// area whatever happens.
RECT PracticeWindowPlace(const RECT &cardOuter, SIZE outerSize,
                         const RECT &workArea, int gap);

} // namespace slots::win32
