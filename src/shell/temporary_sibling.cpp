#include "shell/temporary_sibling.h"

#include <chrono>
#include <string>

namespace slots::shell {

std::uint64_t ClockStamp() {
  return static_cast<std::uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
}

std::filesystem::path TemporarySiblingPath(const std::filesystem::path &file,
                                           std::uint64_t stamp, int attempt) {
  std::filesystem::path candidate = file;
  candidate += ".";
  candidate += std::to_string(stamp);
  candidate += "-";
  candidate += std::to_string(attempt);
  candidate += ".tmp";
  return candidate;
}

} // namespace slots::shell
