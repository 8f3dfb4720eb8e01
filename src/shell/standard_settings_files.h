#pragma once

#include "shell/settings_file_access.h"
#include "shell/temporary_sibling.h"

namespace slots::shell {

// The settings file through standard C++ alone, for the native build. The
// temporary file is created exclusively ("x"), so a replace never writes into
// a file that was there before; its bytes are flushed before the rename.
class StandardSettingsFileAccess final : public SettingsFileAccess {
public:
  explicit StandardSettingsFileAccess(TemporaryStamp stamp = ClockStamp)
      : stamp_(stamp) {}

  std::optional<std::string>
  ReadWholeFile(const std::filesystem::path &file) override;
  bool ReplaceFileAtomically(const std::filesystem::path &file,
                             std::string_view contents) override;

private:
  TemporaryStamp stamp_;
};

} // namespace slots::shell
