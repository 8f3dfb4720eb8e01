#pragma once

#include <filesystem>

namespace slots::win32 {

// Gives a freshly written file what was set on the file it is about to
// replace: its hidden, system and archive attributes and its permissions.
// Windows' ReplaceFileW would do the same, but where it moves the old file
// aside first (as Wine's does) the name would hold nothing for a moment; so
// the file is prepared here and then moved in with one rename. Whatever
// cannot be copied is left as the new file has it.
void CopyFileProtection(const std::filesystem::path &from,
                        const std::filesystem::path &to);

} // namespace slots::win32
