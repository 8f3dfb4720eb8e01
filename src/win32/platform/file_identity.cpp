#include "win32/platform/file_identity.h"

#include "win32/platform/gdi_handles.h"

namespace slots::win32 {
namespace {

// Opened for its attributes only, so that no other program's use of the
// file stands in the way.
UniqueKernelHandle OpenToIdentify(const std::filesystem::path &file) {
  const HANDLE handle =
      CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  return UniqueKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

} // namespace

std::optional<BY_HANDLE_FILE_INFORMATION> FileInformation(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file, &information)) {
    return std::nullopt;
  }
  return information;
}

bool AreSameFile(const std::filesystem::path &first,
                 const std::filesystem::path &second) {
  const UniqueKernelHandle one = OpenToIdentify(first);
  const UniqueKernelHandle other = OpenToIdentify(second);
  if (!one || !other) {
    return false;
  }
  const auto a = FileInformation(one.Get());
  const auto b = FileInformation(other.Get());
  return a && b && a->dwVolumeSerialNumber == b->dwVolumeSerialNumber &&
         a->nFileIndexHigh == b->nFileIndexHigh &&
         a->nFileIndexLow == b->nFileIndexLow;
}

} // namespace slots::win32
