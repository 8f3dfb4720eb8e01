#pragma once

#include "game/card_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

inline constexpr int kSymbolCount = 14;
inline constexpr int kCherryCode = 14;

// A code read as a decimal number the lenient way: leading spaces skipped,
// optional sign, digits and one decimal point; 0 when no number leads.
double NumericValueOfCode(std::wstring_view code);

// The code as a whole number, when the code is nothing but one (spaces
// around it allowed, e.g. "05", " 9", "1."); empty for "", "xx", "1x", "0.5".
std::optional<std::int16_t> IntegerValueOfCode(std::wstring_view code);

// The symbol a reel shows for each reel: 1 to 14, or 0 for a blank reel.
using SpinSymbols = std::array<std::uint8_t, kReelCount>;

// The symbol a code names, 1 to 14, or 0 when its value is not a whole
// 1..14 and the reel shows no symbol.
std::uint8_t SymbolForCode(std::wstring_view code);
// The symbol a code names, or empty when its value is not a whole 1..14.
std::wstring_view SymbolNameForCode(std::wstring_view code);
// The name of symbol 1 to 14; empty for a blank reel or any other value.
std::wstring_view SymbolName(std::uint8_t symbol);

// Puts the symbol on reel 1, 2 or 3: caption = name, tag = code as given.
// Any other reel number changes nothing. Returns the symbol shown.
std::uint8_t ShowReelSymbol(CardModel &model, std::wstring_view code,
                            std::int16_t reel);

} // namespace slots::game
