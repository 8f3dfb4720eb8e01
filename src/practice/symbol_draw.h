#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace slots::practice {

// A number below `bound`, each equally likely. The engine's numbers are
// fixed by the language; a library's distributions are not, so the mapping
// is done here and the same seed draws the same on every machine.
std::uint32_t DrawBelow(std::mt19937 &engine, std::uint32_t bound);

// Draws reel symbols from a seeded generator: the same seed deals the same
// symbols on every machine, so a game can be replayed exactly.
class SymbolDraw {
public:
  // Draws among all fourteen symbols.
  explicit SymbolDraw(std::uint32_t seed);
  // Draws among the given symbol codes.
  SymbolDraw(std::uint32_t seed, std::span<const int> codes)
      : engine_(seed), codes_(codes.begin(), codes.end()) {}
  // One of the codes, each equally likely.
  int DrawSymbolCode();

private:
  std::mt19937 engine_;
  std::vector<int> codes_;
};

} // namespace slots::practice
