#include "practice/symbol_draw.h"

#include "practice/practice_table_rules.h"

#include <array>

namespace slots::practice {
namespace {

constexpr std::array<int, kSymbolCount> kAllSymbols = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

} // namespace

std::uint32_t DrawBelow(std::mt19937 &engine, std::uint32_t bound) {
  // Numbers past the last whole run of `bound` would favour the low ones.
  const std::uint32_t limit =
      std::mt19937::max() - (std::mt19937::max() % bound);
  std::uint32_t number = 0;
  do {
    number = static_cast<std::uint32_t>(engine());
  } while (number >= limit);
  return number % bound;
}

SymbolDraw::SymbolDraw(std::uint32_t seed) : SymbolDraw(seed, kAllSymbols) {}

int SymbolDraw::DrawSymbolCode() {
  return codes_[DrawBelow(engine_, static_cast<std::uint32_t>(codes_.size()))];
}

} // namespace slots::practice
