#pragma once

#include <cstdint>
#include <random>

namespace slots::practice {

// Draws reel symbols from a seeded generator: the same seed deals the same
// symbols on every machine, so a game can be replayed exactly.
class SymbolDraw {
public:
  explicit SymbolDraw(std::uint32_t seed) : engine_(seed) {}
  // A symbol code 1 to 14, each equally likely.
  int DrawSymbolCode();

private:
  // The engine's numbers are fixed by the language; a library's
  // distributions are not, so the mapping to codes is done here.
  std::mt19937 engine_;
};

} // namespace slots::practice
