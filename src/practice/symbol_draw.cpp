#include "practice/symbol_draw.h"

#include "practice/practice_table_rules.h"

namespace slots::practice {

int SymbolDraw::DrawSymbolCode() {
  constexpr std::uint32_t kCodes = kSymbolCount;
  // Numbers past the last whole run of fourteen would favour the low codes.
  constexpr std::uint32_t kLimit =
      std::mt19937::max() - std::mt19937::max() % kCodes;
  std::uint32_t number = 0;
  do {
    number = static_cast<std::uint32_t>(engine_());
  } while (number >= kLimit);
  return static_cast<int>(number % kCodes) + 1;
}

} // namespace slots::practice
