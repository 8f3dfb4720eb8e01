#include "win32/platform/windows_data_folders.h"

#include "shell/settings_store.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <windows.h>

#include <shlobj.h>

namespace slots::win32 {

namespace {

bool IsFolder(const std::filesystem::path &folder) {
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

using ShGetFolderPathFunction = HRESULT(WINAPI *)(HWND, int, HANDLE, DWORD,
                                                  LPWSTR);

} // namespace

bool WindowsDataFolders::CanWriteIn(const std::filesystem::path &folder) {
  const std::uint64_t stamp = stamp_();
  for (int attempt = 0; attempt < shell::kMaxTemporaryNameTries; ++attempt) {
    const std::filesystem::path probe = shell::TemporarySiblingPath(
        folder / shell::kSettingsFileName, stamp, attempt);
    const HANDLE handle = CreateFileW(
        probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY |
            FILE_FLAG_DELETE_ON_CLOSE,
        nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      UniqueKernelHandle probeFile(handle);
      probeFile.Reset();
      // Gone already wherever the closing deleted it.
      DeleteFileW(probe.c_str());
      return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
      return false;
  }
  return false;
}

bool WindowsDataFolders::MakeFolder(const std::filesystem::path &folder) {
  return CreateDirectoryW(folder.c_str(), nullptr) != FALSE || IsFolder(folder);
}

std::filesystem::path WindowsDataFolders::LocalAppDataFolder() {
  const auto getFolderPath = FindExport<ShGetFolderPathFunction>(
      LoadSystemLibraryForProcess(L"shell32.dll"), "SHGetFolderPathW");
  wchar_t folder[MAX_PATH]{};
  if (getFolderPath == nullptr ||
      getFolderPath(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                    folder) != S_OK ||
      !IsFolder(folder))
    return {};
  return folder;
}

} // namespace slots::win32
