#include "win32/platform/windows_history_file.h"

#include "win32/platform/file_identity.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/windows_settings_files.h"

#include <windows.h>

#include <algorithm>

namespace slots::win32 {
namespace {

// The largest piece one ReadFile or WriteFile call is given.
constexpr DWORD kChunk = 64 * 1024;

UniqueKernelHandle OpenFile(const std::wstring &file, DWORD access,
                            DWORD disposition, DWORD flags = 0) {
  const HANDLE handle =
      CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
  return UniqueKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// A link planted at the file's name would have the card write into whatever
// it leads to: only a plain file with this one name is written.
bool IsPlainFileOfOneName(HANDLE file) {
  const auto information = FileInformation(file);
  return information &&
         (information->dwFileAttributes &
          (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0 &&
         information->nNumberOfLinks == 1;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece =
        static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), piece, &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

} // namespace

std::optional<std::uint64_t>
WindowsHistoryFileAccess::FileSize(const std::filesystem::path &file) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
         data.nFileSizeLow;
}

std::string
WindowsHistoryFileAccess::ReadBytes(const std::filesystem::path &file,
                                    std::uint64_t offset, std::size_t length) {
  const UniqueKernelHandle handle =
      OpenFile(file.wstring(), GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER start{};
  start.QuadPart = static_cast<LONGLONG>(offset);
  if (!handle || !SetFilePointerEx(handle.Get(), start, nullptr, FILE_BEGIN)) {
    return {};
  }
  std::string bytes(length, '\0');
  std::size_t got = 0;
  while (got < length) {
    const DWORD piece =
        static_cast<DWORD>(std::min<std::size_t>(length - got, kChunk));
    DWORD read = 0;
    if (!ReadFile(handle.Get(), bytes.data() + got, piece, &read, nullptr) ||
        read == 0) {
      break;
    }
    got += read;
  }
  bytes.resize(got);
  return bytes;
}

// The line goes to the system in one WriteFile, unbuffered by the card, so a
// card that stops afterwards cannot lose it. It is not forced to the disk
// (FlushFileBuffers): that took about a millisecond per game under Wine and
// can take tens on a slow disk, inside the click on Final.
bool WindowsHistoryFileAccess::AppendBytes(const std::filesystem::path &file,
                                           std::string_view bytes) {
  const UniqueKernelHandle handle =
      OpenFile(file.wstring(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
               OPEN_ALWAYS, FILE_FLAG_OPEN_REPARSE_POINT);
  return handle && IsPlainFileOfOneName(handle.Get()) &&
         WriteAll(handle.Get(), bytes);
}

// The settings file's safe replace: a temporary file beside the target,
// renamed over it only once it is whole, so a failed save leaves the old
// file as it was.
bool WriteWholeFile(const std::wstring &file, std::string_view bytes) {
  return WindowsSettingsFileAccess().ReplaceFileAtomically(file, bytes);
}

} // namespace slots::win32
