#pragma once

#include "game/card_model.h"
#include "game/reel_symbols.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace slots::game {

enum class GameResult { Win, Loss, Reset };

// One game as the card saw it end. Texts hold no control characters.
struct GameRecord {
  // A host, balance or table pay longer than this is cut: chat text may be
  // kilobytes long, and a record is kept a thousand times.
  static constexpr std::size_t kLongestText = 64;

  std::int64_t number = 0;
  std::int64_t time = 0; // seconds since 1970-01-01 00:00 UTC
  std::wstring host;
  bool practice = false;
  SpinSymbols firstSpin{};
  std::array<bool, kReelCount> held{};
  SpinSymbols finalSpin{}; // all blank for a reset game
  GameResult result = GameResult::Loss;
  // The balance the card showed after the final, as the host sent it; empty
  // for a reset game.
  std::wstring balance;
  // Balance after less balance before, when both are whole numbers.
  std::optional<std::int64_t> change;
  // What the payout table held for the final spin; empty when no row pays.
  std::wstring tablePays;
  bool operator==(const GameRecord &) const = default;
};

// A balance text as a whole number: an optional minus sign and up to 12
// digits, nothing else.
std::optional<std::int64_t> BalanceValue(std::wstring_view balance);

} // namespace slots::game
