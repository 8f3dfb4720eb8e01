#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace slots::win32 {

// What the file system says of an open file: the volume and the index that
// make it one file whatever name leads to it, and how many names it has.
std::optional<BY_HANDLE_FILE_INFORMATION> FileInformation(HANDLE file);

// Whether two names lead to one file: a short name, a "\\?\" form or a hard
// link of a file is the file. False when either cannot be opened.
bool AreSameFile(const std::filesystem::path &first,
                 const std::filesystem::path &second);

} // namespace slots::win32
