#pragma once

#include "practice/keeper_habit.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace slots::practice {

// A picture of the card's windows taken after a while, after which the
// program ends: for machines with no screen anybody can see.
struct ScreenshotRequest {
  std::chrono::seconds after{0};
  std::wstring path;
  bool operator==(const ScreenshotRequest &) const = default;
};

// Players' pace keeps the habit's waits; fast cuts every wait to nothing.
enum class KeeperPace { Players, Fast };

struct StartOptions {
  // Play on the practice table even when the chat client's library is there.
  bool practice = false;
  // Replays the same practice games whenever the card plays on the practice
  // table; empty draws a seed of its own.
  std::optional<std::uint32_t> practiceSeed;
  std::optional<ScreenshotRequest> screenshot;
  // How the practice machinekeeper deals, and whether it waits at all.
  KeeperHabit practiceKeeper = kPromptHabit;
  KeeperPace practicePace = KeeperPace::Players;
  bool operator==(const StartOptions &) const = default;
};

inline constexpr std::chrono::seconds kLongestScreenshotWait{3600};

// The practice machinekeeper's habit at the pace asked for.
KeeperHabit PracticeKeeperHabit(const StartOptions &options);

// The arguments after the program's name: "--practice", "--practice-seed N",
// "--practice-pace fast" (the machinekeeper never waits, for test runs of
// many games; "--practice-pace players" is the usual pace),
// "--practice-keeper HABIT" (prompt, patient, slow, terse or chatty) and
// "--screenshot-after SECONDS PATH". An argument it does not know, or a flag
// without a good value, is passed over.
StartOptions ParseStartOptions(std::span<const std::wstring> arguments);

} // namespace slots::practice
