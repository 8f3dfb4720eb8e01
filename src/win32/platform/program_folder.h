#pragma once

#include <string>

namespace slots::win32 {

// The folder that holds the running executable, without a trailing "\".
std::wstring ProgramFolder();
// The executable's file name without its extension.
std::wstring ApplicationName();

} // namespace slots::win32
