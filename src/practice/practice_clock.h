#pragma once

#include <chrono>

namespace slots::practice {

using PracticeTime = std::chrono::steady_clock::time_point;

// Where the practice table reads the time: the machinekeeper answers after
// delays, and tests replay them without waiting.
class PracticeClock {
public:
  virtual ~PracticeClock() = default;
  virtual PracticeTime Now() const = 0;
};

class SteadyPracticeClock final : public PracticeClock {
public:
  PracticeTime Now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace slots::practice
