#include "win32/platform/system_library.h"

#include "win32/platform/module_handle.h"

#include <string>

namespace slots::win32 {

HMODULE LoadSystemLibraryForProcess(const wchar_t *fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length =
      GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size())
    return nullptr;
  path.resize(length);
  path += L'\\';
  path += fileName;
  const ModuleHandle loaded(LoadLibraryExW(path.c_str(), nullptr, 0));
  // Pinned, no FreeLibrary anywhere in the process unloads it; the loaded
  // reference may then go.
  HMODULE pinned = nullptr;
  if (loaded == nullptr ||
      !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN |
                              GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCWSTR>(loaded.get()), &pinned))
    return nullptr;
  return pinned;
}

} // namespace slots::win32
