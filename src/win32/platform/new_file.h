#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace slots::win32 {

// Writes the bytes to a file that does not exist yet. Whatever already has
// the name, a file, a folder or a link, is left alone and not followed, and
// no folder is made. Empty when written; else why not, for the player.
std::optional<std::wstring> WriteNewFile(const std::filesystem::path &file,
                                         std::string_view bytes);

} // namespace slots::win32
