#pragma once

#include <cstddef>
#include <vector>

namespace slots::bench {

// Milliseconds from the performance counter.
double NowMilliseconds();
double Median(std::vector<double> samples);
double Minimum(const std::vector<double> &samples);

// The process's resident memory now and at its highest so far, in bytes.
struct ResidentMemory {
  std::size_t now = 0;
  std::size_t peak = 0;
};
ResidentMemory ReadResidentMemory();

} // namespace slots::bench
