#pragma once

#include <chrono>

namespace slots::practice {

// How quickly the machinekeeper answers the player's holds with the final.
struct KeeperPace {
  std::chrono::milliseconds thinkingTime{0};
  bool operator==(const KeeperPace &) const = default;
};

// A player's pace: it thinks long enough that a Final pressed at once finds
// no final yet.
inline constexpr KeeperPace kPlayersPace{std::chrono::milliseconds(1000)};
// For long test runs: every final is due at once, so a run of a thousand
// games waits only for the card.
inline constexpr KeeperPace kFastPace{};

} // namespace slots::practice
