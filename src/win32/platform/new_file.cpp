#include "win32/platform/new_file.h"

#include "win32/platform/gdi_handles.h"

#include <windows.h>

#include <algorithm>

namespace slots::win32 {
namespace {

constexpr std::size_t kWriteChunk = 64 * 1024;

bool WriteAllBytes(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kWriteChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), piece, &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

std::wstring DescribeCreateError(DWORD error) {
  switch (error) {
  case ERROR_FILE_EXISTS:
  case ERROR_ALREADY_EXISTS:
    return L"something of that name exists; the card writes new files only";
  case ERROR_PATH_NOT_FOUND:
    return L"its folder does not exist; the card makes no folders";
  default:
    return L"it could not be created (error " + std::to_wstring(error) + L")";
  }
}

} // namespace

std::optional<std::wstring> WriteNewFile(const std::filesystem::path &file,
                                         std::string_view bytes) {
  // CREATE_NEW fails on any name that is taken, a link included; with
  // FILE_FLAG_OPEN_REPARSE_POINT no link is followed.
  const HANDLE created = CreateFileW(
      file.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (created == INVALID_HANDLE_VALUE) {
    return DescribeCreateError(GetLastError());
  }
  const UniqueKernelHandle handle(created);
  if (GetFileType(handle.Get()) != FILE_TYPE_DISK) {
    return L"it is not a file on a disk";
  }
  if (WriteAllBytes(handle.Get(), bytes)) {
    return std::nullopt;
  }
  const DWORD error = GetLastError();
  // The half-written file is the card's own: it goes with its handle.
  FILE_DISPOSITION_INFO dispose{};
  dispose.DeleteFile = TRUE;
  SetFileInformationByHandle(handle.Get(), FileDispositionInfo, &dispose,
                             sizeof(dispose));
  return L"it could not be written (error " + std::to_wstring(error) + L")";
}

} // namespace slots::win32
