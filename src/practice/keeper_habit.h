#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

namespace slots::practice {

// How a machinekeeper deals: real ones differ, and the card must serve them
// all. A habit is timings and a manner of speaking, nothing more.
struct KeeperHabit {
  std::wstring_view name;
  // Between the player's holds and the final: drawn from this range.
  std::chrono::milliseconds shortestThinking{1000};
  std::chrono::milliseconds longestThinking{1000};
  // Between the final and the next game's first spin, whatever the card
  // does meanwhile.
  std::chrono::milliseconds dealingDelay{700};
  // Lines with nothing unique in them: no game number, and symbols drawn
  // from a few, so the same lines come up game after game.
  bool terse = false;
  // Other people talk between the keeper's lines, in public, and mention
  // the game's own markers.
  bool chatty = false;

  // The same habit with every wait cut to nothing, for long test runs.
  KeeperHabit WithoutWaiting() const;
  bool operator==(const KeeperHabit &) const = default;
};

// Deals the next game soon after its final.
inline constexpr KeeperHabit kPromptHabit{.name = L"prompt"};
// Waits a good while before the next game: a player who presses Start early
// meets the last game's lines.
inline constexpr KeeperHabit kPatientHabit{
    .name = L"patient", .dealingDelay = std::chrono::milliseconds{6000}};
// Takes its time over the holds: a Final pressed early finds no final yet.
inline constexpr KeeperHabit kSlowHabit{
    .name = L"slow",
    .shortestThinking = std::chrono::milliseconds{3000},
    .longestThinking = std::chrono::milliseconds{5000}};
inline constexpr KeeperHabit kTerseHabit{.name = L"terse", .terse = true};
inline constexpr KeeperHabit kChattyHabit{.name = L"chatty", .chatty = true};

inline constexpr std::array<KeeperHabit, 5> kKeeperHabits = {
    kPromptHabit, kPatientHabit, kSlowHabit, kTerseHabit, kChattyHabit};

// The habit of that name; empty for a name no habit has.
std::optional<KeeperHabit> FindKeeperHabit(std::wstring_view name);

} // namespace slots::practice
