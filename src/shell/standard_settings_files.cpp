#include "shell/standard_settings_files.h"

#include <array>
#include <cstdio>
#include <memory>
#include <system_error>

namespace slots::shell {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Removes the temporary file unless it became the settings file.
class TemporaryFile {
public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile() {
    if (!kept_) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  void Keep() { kept_ = true; }

private:
  fs::path path_;
  bool kept_ = false;
};

// Windows refuses to rename over a read-only file; a rename here would not,
// so the card asks first and treats such a file alike on every system.
bool IsReadOnlyFile(const fs::path &file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return fs::is_regular_file(status) &&
         (status.permissions() & kAnyWrite) == fs::perms::none;
}

// Writes, flushes and closes; false at the first step that fails.
bool WriteAndClose(FilePointer file, std::string_view contents) {
  const bool written = std::fwrite(contents.data(), 1, contents.size(),
                                   file.get()) == contents.size() &&
                       std::fflush(file.get()) == 0;
  return std::fclose(file.release()) == 0 && written;
}

} // namespace

std::optional<std::string>
StandardSettingsFileAccess::ReadWholeFile(const fs::path &file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) {
    return std::string();
  }
  if (!fs::is_regular_file(status)) {
    return std::nullopt;
  }
  const FilePointer in(std::fopen(file.string().c_str(), "rb"));
  if (!in) {
    return std::nullopt;
  }
  // A chunk past the limit at most, however large the file: enough to tell
  // that it is too large, never so much that memory runs short.
  std::string contents;
  std::array<char, 4096> chunk;
  while (contents.size() <= kMaxSettingsFileSize) {
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in.get());
    contents.append(chunk.data(), got);
    if (got < chunk.size()) {
      break;
    }
  }
  if (std::ferror(in.get()) || contents.size() > kMaxSettingsFileSize) {
    return std::nullopt;
  }
  return contents;
}

bool StandardSettingsFileAccess::ReplaceFileAtomically(
    const fs::path &file, std::string_view contents) {
  if (IsReadOnlyFile(file)) {
    return false;
  }
  const std::uint64_t stamp = stamp_();
  for (int attempt = 0; attempt < kMaxTemporaryNameTries; ++attempt) {
    const fs::path candidate = TemporarySiblingPath(file, stamp, attempt);
    FilePointer out(std::fopen(candidate.string().c_str(), "wbx"));
    if (!out) {
      // Taken by another file: try the next name. Anything else (no such
      // folder, no right to write there) the next name will not mend.
      std::error_code error;
      if (fs::exists(fs::symlink_status(candidate, error))) {
        continue;
      }
      return false;
    }
    TemporaryFile temporary(candidate);
    if (!WriteAndClose(std::move(out), contents)) {
      return false;
    }
    std::error_code error;
    fs::rename(candidate, file, error);
    if (error) {
      return false;
    }
    temporary.Keep();
    return true;
  }
  return false;
}

} // namespace slots::shell
