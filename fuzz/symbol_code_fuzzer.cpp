// Reads any code as a reel symbol: a reel shows a symbol's name or nothing,
// and keeps the code exactly as it came.
#include "fuzz_input.h"
#include "game/card_model.h"
#include "game/reel_symbols.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  const std::wstring code = fuzz::WideTextOf(data, size);
  const double value = game::NumericValueOfCode(code);
  game::IntegerValueOfCode(code);
  const std::wstring_view name = game::SymbolNameForCode(code);
  fuzz::Require(name.empty() || (value >= 1 && value <= 14));
  game::CardModel model;
  for (std::int16_t reel = 0; reel <= 4; ++reel) {
    game::ShowReelSymbol(model, code, reel);
  }
  for (const game::ReelLabel &reel : model.reels) {
    fuzz::Require(reel.tag == code);
    fuzz::Require(reel.caption == name);
  }
  return 0;
}
