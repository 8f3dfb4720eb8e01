#pragma once

#include "shell/history_file.h"

namespace slots::win32 {

// The history file through the system's own file calls. Each line goes to
// the file's end in one WriteFile of a handle opened for appending only, so
// nothing already in the file can be overwritten.
class WindowsHistoryFileAccess final : public shell::HistoryFileAccess {
public:
  std::optional<std::uint64_t>
  FileSize(const std::filesystem::path &file) override;
  std::string ReadBytes(const std::filesystem::path &file, std::uint64_t offset,
                        std::size_t length) override;
  bool AppendBytes(const std::filesystem::path &file,
                   std::string_view bytes) override;
};

// Writes a whole new file in place of any old one, which stays as it was
// when anything fails; false then.
bool WriteWholeFile(const std::wstring &file, std::string_view bytes);

} // namespace slots::win32
