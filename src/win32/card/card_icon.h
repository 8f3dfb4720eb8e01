#pragma once

#include "win32/platform/gdi_handles.h"

namespace slots::win32 {

// The card's icon, drawn in code: a cherry on a navy tile with round
// corners, size x size pixels.
UniqueIcon CreateCardIcon(int size);

} // namespace slots::win32
