#include "win32/platform/dll_search.h"

#include <windows.h>

namespace slots::win32 {

bool RestrictDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI *)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr)
    return false;
  const auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(
          reinterpret_cast<void *>(
              GetProcAddress(kernel, "SetDefaultDllDirectories")));
  return setDefaultDllDirectories != nullptr &&
         setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

} // namespace slots::win32
