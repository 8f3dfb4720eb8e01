#pragma once

#include "shell/settings_file_access.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace slots::shell {

// Longest value a read returns; longer values are cut.
inline constexpr std::size_t kMaxIniValueLength = 749;

// An initialisation-style file of "[section]" lines and "key=value" lines.
// Section and key names match regardless of case (ASCII); spaces and tabs
// around names and values are not part of them, nor are matching single or
// double quotes around a value. Missing file, section or key reads as the
// empty text.
// A file over kMaxSettingsFileSize reads as empty too.
std::string ReadIniValue(std::string_view section, std::string_view key,
                         const std::filesystem::path &file,
                         SettingsFileAccess &files);

// Replaces the key's line in place, or appends it to its section, creating
// section and file when missing; other lines stay as they are. The key is
// written in upper case; new lines end in CR LF. The file is replaced
// atomically; false when it could not be written or read first, or when a
// name or value would break the layout (a line break, "=" in the key, "]" in
// the section). A file over kMaxSettingsFileSize is never replaced, nor is a
// file written that would grow over it.
bool WriteIniValue(std::string_view section, std::string_view key,
                   std::string_view value, const std::filesystem::path &file,
                   SettingsFileAccess &files);

struct IniEntry {
  std::string key;
  std::string value;
};

// Puts every entry into the section in its order, exactly as that sequence of
// WriteIniValue calls would, but reads the file once and replaces it once, so
// the file holds either none of the entries or all of them. Nothing is
// written when any entry would break the layout.
bool WriteIniValues(std::string_view section, std::span<const IniEntry> entries,
                    const std::filesystem::path &file,
                    SettingsFileAccess &files);

} // namespace slots::shell
