#include "bench_clock.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>

namespace slots::bench {

double NowMilliseconds() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER count{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
  if (samples.empty())
    return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 == 1 ? samples[middle]
                                 : (samples[middle - 1] + samples[middle]) / 2;
}

double Minimum(const std::vector<double> &samples) {
  return samples.empty() ? 0
                         : *std::min_element(samples.begin(), samples.end());
}

ResidentMemory ReadResidentMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
    return {};
  return {counters.WorkingSetSize, counters.PeakWorkingSetSize};
}

} // namespace slots::bench
