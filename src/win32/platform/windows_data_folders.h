#pragma once

#include "shell/data_files_place.h"
#include "shell/temporary_sibling.h"

namespace slots::win32 {

// The folders for the card's own files, through the system's calls. A folder
// is tried with a new hidden file that the system deletes as it is closed;
// the local application-data folder is asked of the shell, whose library is
// loaded from the system folder only then.
class WindowsDataFolders final : public shell::DataFolderAccess {
public:
  explicit WindowsDataFolders(shell::TemporaryStamp stamp = shell::ClockStamp)
      : stamp_(stamp) {}

  bool CanWriteIn(const std::filesystem::path &folder) override;
  bool MakeFolder(const std::filesystem::path &folder) override;
  std::filesystem::path LocalAppDataFolder() override;

private:
  shell::TemporaryStamp stamp_;
};

} // namespace slots::win32
