#pragma once

#include <windows.h>

namespace slots::win32 {

// The system's calls that narrow the library search; either may be missing
// (null) on an older system.
struct DllSearchCalls {
  BOOL(WINAPI *setDefaultDllDirectories)(DWORD) = nullptr;
  BOOL(WINAPI *setDllDirectory)(LPCWSTR) = nullptr;
};

// The calls this system offers, looked up at run time: Windows 7 without
// its library-search update lacks SetDefaultDllDirectories and still runs
// the card.
DllSearchCalls FindDllSearchCalls();

enum class DllSearch {
  // The system folder only.
  SystemFolderOnly,
  // The current folder is left out; the program's folder is still searched.
  WithoutCurrentFolder,
  Unchanged
};

// Limits where the program's later library loads look for system libraries,
// so that a library dropped beside the card or in the current folder does
// not run: the system folder only where the system allows that, else at
// least not the current folder. System libraries the card loads itself come
// by full path from the system folder either way.
DllSearch RestrictDllSearch(const DllSearchCalls &calls);
DllSearch RestrictDllSearchToSystemFolder();

} // namespace slots::win32
