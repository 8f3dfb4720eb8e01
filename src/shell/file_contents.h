#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace slots::shell {

// The file's bytes; the empty text when there is no such file, nothing when
// it exists but cannot be read (so that a later write cannot wipe it).
std::optional<std::string> ReadWholeFile(const std::filesystem::path &file);

// Writes the bytes to a new file beside the old one and renames it over the
// old one, so the file is either wholly old or wholly new. On failure the old
// file is untouched, no temporary file is left behind, and the answer is false.
bool ReplaceFileAtomically(const std::filesystem::path &file,
                           std::string_view contents);

} // namespace slots::shell
