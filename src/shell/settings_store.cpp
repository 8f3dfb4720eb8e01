#include "shell/settings_store.h"

namespace slots::shell {

std::string IniSettingsStore::Read(std::string_view key) {
  return ReadIniValue(kSettingsSection, key, file_, files_);
}

// A failed write goes unnoticed: the next start sees the old value again.
void IniSettingsStore::Write(std::string_view key, std::string_view value) {
  WriteIniValue(kSettingsSection, key, value, file_, files_);
}

void IniSettingsStore::WriteAll(std::span<const IniEntry> entries) {
  WriteIniValues(kSettingsSection, entries, file_, files_);
}

} // namespace slots::shell
