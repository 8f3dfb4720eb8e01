// The floor for a click: the least any program must do to find the oldest
// line of the chat. One fetch through the same library, one conversion of
// its bytes to UTF-16 into a buffer of the right size, one scan back to the
// marker. Usage: floor_bench CLICKS. Prints: Floor median-ms min-ms
// peak-bytes left-bytes, as click_bench does.
#include "bench_clock.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using StatusCallback = void(__stdcall *)(const char *);
using MessageCallback = void(__stdcall *)(const char *, short, const char *);
using TextCallback = void(__stdcall *)(const char *);
using InitDDEFunction = short(__stdcall *)(const char *, StatusCallback,
                                           MessageCallback, TextCallback);
using DapiGetAllTextFunction = void(__stdcall *)(const char *);

constexpr std::wstring_view kMarker = L"Your machinekeeper is ";

bool markerFound = false;

void __stdcall OnStatus(const char *) {}
void __stdcall OnMessage(const char *, short, const char *) {}

std::size_t ScanBackToMarker(const wchar_t *text, std::size_t length) {
  for (std::size_t at = length >= kMarker.size() ? length - kMarker.size() + 1
                                                 : 0;
       at-- > 0;) {
    if (text[at] == kMarker[0] &&
        std::wmemcmp(text + at, kMarker.data(), kMarker.size()) == 0)
      return at;
  }
  return std::wstring_view::npos;
}

void __stdcall OnText(const char *text) {
  const std::size_t bytes = std::strlen(text);
  // In Windows-1252 every byte is one UTF-16 unit: no measuring pass.
  const std::unique_ptr<wchar_t[]> wide(new wchar_t[bytes]);
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(bytes), wide.get(),
                          static_cast<int>(bytes));
  markerFound =
      length > 0 &&
      ScanBackToMarker(wide.get(), static_cast<std::size_t>(length)) !=
          std::wstring_view::npos;
}

template <typename Function>
Function FindExport(HMODULE module, const char *name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  const int clicks = argc == 2 ? std::wcstol(argv[1], nullptr, 10) : 0;
  if (clicks < 1) {
    std::fputs("usage: floor_bench CLICKS\n", stderr);
    return 2;
  }
  const HMODULE library = LoadLibraryW(L"wadapi.dll");
  const auto initDDE = FindExport<InitDDEFunction>(library, "InitDDE");
  const auto getAllText =
      FindExport<DapiGetAllTextFunction>(library, "DapiGetAllText");
  if (initDDE == nullptr || getAllText == nullptr) {
    std::fputs("no wadapi.dll beside floor_bench.exe\n", stderr);
    return 1;
  }
  initDDE("floor_bench", OnStatus, OnMessage, OnText);

  std::vector<double> times;
  slots::bench::ResidentMemory before;
  slots::bench::ResidentMemory after;
  for (int round = 0; round < clicks; ++round) {
    if (round == 0)
      before = slots::bench::ReadResidentMemory();
    markerFound = false;
    const double start = slots::bench::NowMilliseconds();
    getAllText("floor_bench");
    times.push_back(slots::bench::NowMilliseconds() - start);
    if (round == 0)
      after = slots::bench::ReadResidentMemory();
    if (!markerFound) {
      std::fputs("the floor did not find its line\n", stderr);
      return 1;
    }
  }
  std::printf("Floor %.2f %.2f %zu %zu\n", slots::bench::Median(times),
              slots::bench::Minimum(times), after.peak - before.now,
              after.now > before.now ? after.now - before.now : 0);
  FreeLibrary(library);
  return 0;
}
