#pragma once

#include <windows.h>

namespace slots::win32 {

// Loads a library of the system folder by its full path, so that a file of
// the same name beside the card or in the current folder never runs. Libraries
// that are not among the system's known ones (winmm, comctl32) would otherwise
// be looked for beside the program first. Null when it cannot be loaded.
//
// The library stays loaded for the life of the process, deliberately: a
// system library may run threads of its own that outlive every call into it
// (winmm's audio thread after PlaySound, the Save dialog's shell workers), and
// unloading it under them would run unmapped code, a crash at exit.
HMODULE LoadSystemLibraryForProcess(const wchar_t *fileName);

} // namespace slots::win32
