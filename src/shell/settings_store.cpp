#include "shell/settings_store.h"

#include "shell/ini_file.h"

namespace slots::shell {

std::string IniSettingsStore::Read(std::string_view key) {
  return ReadIniValue(kSettingsSection, key, file_);
}

// A failed write goes unnoticed: the next start sees the old value again.
void IniSettingsStore::Write(std::string_view key, std::string_view value) {
  WriteIniValue(kSettingsSection, key, value, file_);
}

} // namespace slots::shell
