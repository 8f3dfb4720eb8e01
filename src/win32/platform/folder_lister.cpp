#include "win32/platform/folder_lister.h"

#include "win32/platform/gdi_handles.h"

namespace slots::win32 {

std::optional<std::vector<std::wstring>>
FindFileFolderLister::ListFileNames(const std::wstring &folder) {
  WIN32_FIND_DATAW found{};
  UniqueFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search.Get() == INVALID_HANDLE_VALUE) {
    search.Release();
    return std::nullopt;
  }
  std::vector<std::wstring> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.emplace_back(found.cFileName);
    }
  } while (FindNextFileW(search.Get(), &found));
  return names;
}

} // namespace slots::win32
