#pragma once

namespace slots::win32 {

// Registers the common controls' list view class, from comctl32 in the
// system folder, the first time it is asked for (see system_library.h).
// False where comctl32 cannot be loaded: no list view can be made then.
bool RegisterListViewClass();

} // namespace slots::win32
