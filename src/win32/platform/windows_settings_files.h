#pragma once

#include "shell/settings_file_access.h"
#include "shell/temporary_sibling.h"

namespace slots::win32 {

// The settings file through the system's own file calls. The temporary file
// is created only if no file has its name (CREATE_NEW), its bytes reach the
// disk (FlushFileBuffers) before it is renamed over the settings file, and it
// is deleted when any step fails.
class WindowsSettingsFileAccess final : public shell::SettingsFileAccess {
public:
  explicit WindowsSettingsFileAccess(
      shell::TemporaryStamp stamp = shell::ClockStamp)
      : stamp_(stamp) {}

  std::optional<std::string>
  ReadWholeFile(const std::filesystem::path &file) override;
  bool ReplaceFileAtomically(const std::filesystem::path &file,
                             std::string_view contents) override;

private:
  shell::TemporaryStamp stamp_;
};

} // namespace slots::win32
