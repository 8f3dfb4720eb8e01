#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace slots::shell {

// Largest settings file the card reads. A bigger file is no settings file of
// ours (somebody's mistake, or a file put in its place): it reads as nothing
// and is never replaced.
inline constexpr std::uintmax_t kMaxSettingsFileSize = 64 * 1024;

// Where the settings file's bytes come from and go to. The Windows program
// uses the system's file calls; tests and fuzzers use standard C++ or memory.
class SettingsFileAccess {
public:
  virtual ~SettingsFileAccess() = default;

  // The file's bytes; the empty text when there is no such file; nothing
  // when it exists but cannot be read or is over kMaxSettingsFileSize (so
  // that a later write cannot wipe it).
  virtual std::optional<std::string>
  ReadWholeFile(const std::filesystem::path &file) = 0;

  // Writes the bytes to a newly created file beside the old one, flushes it
  // and renames it over the old one, so the file is either wholly old or
  // wholly new. A read-only file is not replaced. On failure the old file is
  // untouched, no temporary file is left behind, and the answer is false.
  virtual bool ReplaceFileAtomically(const std::filesystem::path &file,
                                     std::string_view contents) = 0;
};

} // namespace slots::shell
