// Times start-up to a visible window: from CreateProcess until a top-level
// window with the given caption is visible. Runs the two programs in turn,
// after one unmeasured start of each.
// Usage: startup_bench RUNS NAME1 EXE1 CAPTION1 NAME2 EXE2 CAPTION2.
// Prints per program: NAME median-ms min-ms.
#include "bench_clock.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr double kGiveUpMilliseconds = 20000;

struct Program {
  std::wstring name;
  std::wstring exe;
  std::wstring caption;
  std::vector<double> times;
};

struct ProcessHandles {
  PROCESS_INFORMATION info{};
  ~ProcessHandles() {
    if (info.hThread != nullptr)
      CloseHandle(info.hThread);
    if (info.hProcess != nullptr)
      CloseHandle(info.hProcess);
  }
};

HWND FindVisibleWindow(const std::wstring &caption) {
  HWND window = FindWindowW(nullptr, caption.c_str());
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// Milliseconds to a visible window, or a negative number when none came.
double TimeOneStart(const Program &program) {
  std::wstring commandLine = L"\"" + program.exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ProcessHandles process;
  const double start = slots::bench::NowMilliseconds();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process.info))
    return -1;
  HWND window = nullptr;
  double elapsed = 0;
  while ((window = FindVisibleWindow(program.caption)) == nullptr &&
         elapsed < kGiveUpMilliseconds) {
    Sleep(1);
    elapsed = slots::bench::NowMilliseconds() - start;
  }
  elapsed = slots::bench::NowMilliseconds() - start;
  if (window != nullptr)
    PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.info.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.info.hProcess, 1);
  return window != nullptr ? elapsed : -1;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  const int runs = argc == 8 ? std::wcstol(argv[1], nullptr, 10) : 0;
  if (runs < 1) {
    std::fputs("usage: startup_bench RUNS NAME1 EXE1 CAPTION1 NAME2 EXE2 "
               "CAPTION2\n",
               stderr);
    return 2;
  }
  std::vector<Program> programs = {{argv[2], argv[3], argv[4], {}},
                                   {argv[5], argv[6], argv[7], {}}};
  for (int run = -1; run < runs; ++run) {
    for (Program &program : programs) {
      const double time = TimeOneStart(program);
      if (time < 0) {
        std::fprintf(stderr, "%ls (%ls) showed no window \"%ls\"\n",
                     program.name.c_str(), program.exe.c_str(),
                     program.caption.c_str());
        return 1;
      }
      if (run >= 0)
        program.times.push_back(time);
    }
  }
  for (const Program &program : programs)
    std::printf("%ls %.1f %.1f\n", program.name.c_str(),
                slots::bench::Median(program.times),
                slots::bench::Minimum(program.times));
  return 0;
}
