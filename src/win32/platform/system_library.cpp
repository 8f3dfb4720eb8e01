#include "win32/platform/system_library.h"

#include <string>

namespace slots::win32 {

ModuleHandle LoadSystemLibrary(const wchar_t *fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length =
      GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size())
    return nullptr;
  path.resize(length);
  path += L'\\';
  path += fileName;
  return ModuleHandle(LoadLibraryExW(path.c_str(), nullptr, 0));
}

} // namespace slots::win32
