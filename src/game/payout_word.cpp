#include "game/payout_word.h"

#include "game/payout_table.h"
#include "game/reel_symbols.h"

#include <algorithm>
#include <array>

namespace slots::game {
namespace {

// The payout row (0-based field of a "Payouts:" line) of three equal
// symbols, indexed by symbol code - 1.
constexpr std::array<std::size_t, kSymbolCount> kThreeOfAKindField = {
    6,  // Bell
    12, // Grape
    2,  // $
    0,  // 7
    4,  // Gold Bar
    3,  // Diamond
    9,  // Heart
    11, // Gem
    1,  // Bar
    10, // Sun
    8,  // Lemon
    5,  // Apple
    7,  // Star
    13, // Cherry
};
constexpr std::size_t kTwoCherriesField = 14;
constexpr std::size_t kOneCherryField = 15;

PayoutTable DefaultTable() {
  CardModel model;
  ShowPayouts(model);
  return model.payouts;
}

} // namespace

std::wstring TablePaysFor(const PayoutTable &payouts, const SpinSymbols &spin) {
  static const PayoutTable defaults = DefaultTable();
  const PayoutTable &table = payouts.loaded ? payouts : defaults;
  // Only what a reel can show has a row: 1 to 14, or 0 for a blank reel.
  if (std::any_of(spin.begin(), spin.end(),
                  [](std::uint8_t s) { return s > kSymbolCount; })) {
    return {};
  }
  const std::uint8_t first = spin[0];
  if (first != 0 && std::all_of(spin.begin(), spin.end(),
                                [&](std::uint8_t s) { return s == first; })) {
    return table.values[kThreeOfAKindField[first - 1U]];
  }
  switch (std::count(spin.begin(), spin.end(), kCherryCode)) {
  case 2:
    return table.values[kTwoCherriesField];
  case 1:
    return table.values[kOneCherryField];
  default:
    return {};
  }
}

} // namespace slots::game
