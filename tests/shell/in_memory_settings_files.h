#pragma once

#include "shell/data_files_place.h"
#include "shell/settings_file_access.h"

#include <map>
#include <set>

namespace slots::shell_test {

// Settings files held in memory, path to bytes; counts the reads and the
// replaces asked of it. A folder among the refusing ones takes no file.
class InMemorySettingsFiles final : public shell::SettingsFileAccess {
public:
  std::map<std::filesystem::path, std::string> files;
  std::set<std::filesystem::path> refusingFolders;
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
    if (refusingFolders.contains(file.parent_path()))
      return false;
    files[file].assign(contents);
    return true;
  }
};

// Folders beside those files: every folder is there, or can be made, unless
// it lies in a refusing folder; the folders made are kept.
class InMemoryDataFolders final : public shell::DataFolderAccess {
public:
  explicit InMemoryDataFolders(const InMemorySettingsFiles &files)
      : files_(files) {}
  std::filesystem::path localAppData;
  std::set<std::filesystem::path> made;

  bool CanWriteIn(const std::filesystem::path &folder) override {
    return !files_.refusingFolders.contains(folder);
  }
  bool MakeFolder(const std::filesystem::path &folder) override {
    if (files_.refusingFolders.contains(folder.parent_path()))
      return false;
    made.insert(folder);
    return true;
  }
  std::filesystem::path LocalAppDataFolder() override { return localAppData; }

private:
  const InMemorySettingsFiles &files_;
};

} // namespace slots::shell_test
