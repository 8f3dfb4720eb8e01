#include "win32/platform/system_folders.h"

#include <windows.h>

namespace slots::win32 {

namespace {

// Asks a folder call that takes a buffer and its size, and answers the
// length, or the size it needs when the buffer is too small.
template <typename FolderCall> std::wstring AskFolder(FolderCall call) {
  std::wstring folder(MAX_PATH, L'\0');
  UINT length = call(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {
    folder.resize(length);
    length = call(folder.data(), static_cast<UINT>(folder.size()));
  }
  if (length == 0 || length >= folder.size())
    return {};
  folder.resize(length);
  return folder;
}

} // namespace

std::wstring ProgramsSystemFolder() {
  // Only 64-bit Windows has this folder; a 64-bit card's own is System32.
  if constexpr (sizeof(void *) == 4) {
    std::wstring wow64 = AskFolder(GetSystemWow64DirectoryW);
    if (!wow64.empty())
      return wow64;
  }
  return AskFolder(GetSystemDirectoryW);
}

std::wstring WindowsFolder() { return AskFolder(GetWindowsDirectoryW); }

} // namespace slots::win32
