#include "win32/platform/program_arguments.h"

#include <cstdlib>

namespace slots::win32 {

// The runtime has split the command line already, as Windows splits it, for
// the program's wide entry point; asking the shell to split it again would
// load the shell's library at every start.
std::vector<std::wstring> ProgramArguments() {
  std::vector<std::wstring> arguments;
  wchar_t **split = __wargv;
  for (int index = 1; split != nullptr && index < __argc; ++index) {
    if (split[index] != nullptr) {
      arguments.emplace_back(split[index]);
    }
  }
  return arguments;
}

} // namespace slots::win32
