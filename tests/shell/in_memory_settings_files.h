#pragma once

#include "shell/settings_file_access.h"

#include <map>

namespace slots::shell_test {

// Settings files held in memory, path to bytes; counts the reads and the
// replaces asked of it.
class InMemorySettingsFiles final : public shell::SettingsFileAccess {
public:
  std::map<std::filesystem::path, std::string> files;
  int reads = 0;
  int replaces = 0;

  std::optional<std::string>
  ReadWholeFile(const std::filesystem::path &file) override {
    ++reads;
    const auto found = files.find(file);
    return found == files.end() ? std::string() : found->second;
  }
  bool ReplaceFileAtomically(const std::filesystem::path &file,
                             std::string_view contents) override {
    ++replaces;
    files[file].assign(contents);
    return true;
  }
};

} // namespace slots::shell_test
