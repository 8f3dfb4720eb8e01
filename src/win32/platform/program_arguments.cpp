#include "win32/platform/program_arguments.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace slots::win32 {
namespace {

struct LocalMemoryDeleter {
  void operator()(LPWSTR *memory) const { LocalFree(memory); }
};

} // namespace

std::vector<std::wstring> ProgramArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalMemoryDeleter> split(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::wstring> arguments;
  for (int index = 1; split && index < count; ++index) {
    arguments.emplace_back(split.get()[index]);
  }
  return arguments;
}

} // namespace slots::win32
