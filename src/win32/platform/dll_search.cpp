#include "win32/platform/dll_search.h"

namespace slots::win32 {

DllSearchCalls FindDllSearchCalls() {
  DllSearchCalls calls;
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) {
    return calls;
  }
  calls.setDefaultDllDirectories =
      reinterpret_cast<decltype(calls.setDefaultDllDirectories)>(
          reinterpret_cast<void *>(
              GetProcAddress(kernel, "SetDefaultDllDirectories")));
  calls.setDllDirectory = reinterpret_cast<decltype(calls.setDllDirectory)>(
      reinterpret_cast<void *>(GetProcAddress(kernel, "SetDllDirectoryW")));
  return calls;
}

DllSearch RestrictDllSearch(const DllSearchCalls &calls) {
  if (calls.setDefaultDllDirectories != nullptr &&
      calls.setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE) {
    return DllSearch::SystemFolderOnly;
  }
  // An empty folder takes the current folder out of the search.
  if (calls.setDllDirectory != nullptr && calls.setDllDirectory(L"") != FALSE) {
    return DllSearch::WithoutCurrentFolder;
  }
  return DllSearch::Unchanged;
}

DllSearch RestrictDllSearchToSystemFolder() {
  return RestrictDllSearch(FindDllSearchCalls());
}

} // namespace slots::win32
