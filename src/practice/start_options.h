#pragma once

#include "practice/keeper_pace.h"

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

struct StartOptions {
  // Play on the practice table even when the chat client's library is there.
  bool practice = false;
  // Replays the same practice games whenever the card plays on the practice
  // table; empty draws a seed of its own.
  std::optional<std::uint32_t> practiceSeed;
  std::optional<ScreenshotRequest> screenshot;
  // How quickly the practice machinekeeper answers.
  KeeperPace practicePace = kPlayersPace;
  bool operator==(const StartOptions &) const = default;
};

inline constexpr std::chrono::seconds kLongestScreenshotWait{3600};

// The arguments after the program's name: "--practice", "--practice-seed N",
// "--practice-pace fast" (the machinekeeper answers at once, for test runs of
// many games; "--practice-pace players" is the usual pace) and
// "--screenshot-after SECONDS PATH". An argument it does not know, or a flag
// without a good value, is passed over.
StartOptions ParseStartOptions(std::span<const std::wstring> arguments);

} // namespace slots::practice
