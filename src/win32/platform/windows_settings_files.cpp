#include "win32/platform/windows_settings_files.h"

#include "win32/platform/file_protection.h"
#include "win32/platform/gdi_handles.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace slots::win32 {

namespace {

// The largest piece one WriteFile call is given.
constexpr std::size_t kWriteChunk = 64 * 1024;

// CreateFileW answers INVALID_HANDLE_VALUE on failure; the owner holds
// nothing then.
UniqueKernelHandle OwnFileHandle(HANDLE handle) {
  return UniqueKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsNameTaken(DWORD error) {
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

// The open temporary file; closed, then deleted unless it became the
// settings file.
class TemporaryFile {
public:
  TemporaryFile(std::filesystem::path path, UniqueKernelHandle handle)
      : path_(std::move(path)), handle_(std::move(handle)) {}
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile() {
    Close();
    if (!kept_) {
      DeleteFileW(path_.c_str());
    }
  }
  HANDLE Handle() const { return handle_.Get(); }
  void Close() { handle_.Reset(); }
  void Keep() { kept_ = true; }

private:
  std::filesystem::path path_;
  UniqueKernelHandle handle_;
  bool kept_ = false;
};

// Windows refuses to move over a read-only file, but Wine does not: asked
// first, so the file is kept on both.
bool IsReadOnlyFile(const std::filesystem::path &file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteAll(HANDLE file, std::string_view contents) {
  while (!contents.empty()) {
    const DWORD piece =
        static_cast<DWORD>(std::min(contents.size(), kWriteChunk));
    DWORD written = 0;
    if (!WriteFile(file, contents.data(), piece, &written, nullptr) ||
        written == 0) {
      return false;
    }
    contents.remove_prefix(written);
  }
  return true;
}

} // namespace

std::optional<std::string>
WindowsSettingsFileAccess::ReadWholeFile(const std::filesystem::path &file) {
  const UniqueKernelHandle handle = OwnFileHandle(
      CreateFileW(file.c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) {
    if (IsMissing(GetLastError())) {
      return std::string();
    }
    return std::nullopt;
  }
  // Asked before reading, so that a huge file is never loaded.
  LARGE_INTEGER size{};
  if (GetFileType(handle.Get()) != FILE_TYPE_DISK ||
      !GetFileSizeEx(handle.Get(), &size) || size.QuadPart < 0 ||
      static_cast<std::uintmax_t>(size.QuadPart) >
          shell::kMaxSettingsFileSize) {
    return std::nullopt;
  }
  // The file may grow while it is read: a chunk past the limit at most.
  std::string contents;
  std::array<char, 4096> chunk;
  while (contents.size() <= shell::kMaxSettingsFileSize) {
    DWORD got = 0;
    if (!ReadFile(handle.Get(), chunk.data(), static_cast<DWORD>(chunk.size()),
                  &got, nullptr)) {
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    contents.append(chunk.data(), got);
  }
  if (contents.size() > shell::kMaxSettingsFileSize) {
    return std::nullopt;
  }
  return contents;
}

bool WindowsSettingsFileAccess::ReplaceFileAtomically(
    const std::filesystem::path &file, std::string_view contents) {
  if (IsReadOnlyFile(file)) {
    return false;
  }
  const std::uint64_t stamp = stamp_();
  for (int attempt = 0; attempt < shell::kMaxTemporaryNameTries; ++attempt) {
    const std::filesystem::path candidate =
        shell::TemporarySiblingPath(file, stamp, attempt);
    UniqueKernelHandle handle =
        OwnFileHandle(CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
      // Taken by another file: try the next name. Anything else (no such
      // folder, no right to write there) the next name will not mend.
      if (IsNameTaken(GetLastError())) {
        continue;
      }
      return false;
    }
    TemporaryFile temporary(candidate, std::move(handle));
    if (!WriteAll(temporary.Handle(), contents) ||
        !FlushFileBuffers(temporary.Handle())) {
      return false;
    }
    temporary.Close();
    CopyFileProtection(file, candidate);
    if (!MoveFileExW(candidate.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    temporary.Keep();
    return true;
  }
  return false;
}

} // namespace slots::win32
