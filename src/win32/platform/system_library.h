#pragma once

#include "win32/platform/module_handle.h"

namespace slots::win32 {

// Loads a library of the system folder by its full path, so that a file of
// the same name beside the card or in the current folder never runs. Libraries
// that are not among the system's known ones (winmm, comctl32) would otherwise
// be looked for beside the program first. Null when it cannot be loaded.
ModuleHandle LoadSystemLibrary(const wchar_t *fileName);

} // namespace slots::win32
