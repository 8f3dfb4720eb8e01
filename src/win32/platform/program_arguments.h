#pragma once

#include <string>
#include <vector>

namespace slots::win32 {

// The program's command line split as Windows splits it, without the
// program's own name.
std::vector<std::wstring> ProgramArguments();

} // namespace slots::win32
