#pragma once

#include <filesystem>
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
std::string ReadIniValue(std::string_view section, std::string_view key,
                         const std::filesystem::path &file);

// Replaces the key's line in place, or appends it to its section, creating
// section and file when missing; other lines stay as they are. The key is
// written in upper case; new lines end in CR LF. The file is replaced
// atomically; false when it could not be written or read first, or when a
// name or value would break the layout (a line break, "=" in the key, "]" in
// the section).
bool WriteIniValue(std::string_view section, std::string_view key,
                   std::string_view value, const std::filesystem::path &file);

} // namespace slots::shell
