#include "game/reel_symbols.h"

#include <array>
#include <cmath>
#include <limits>

namespace slots::game {
namespace {

constexpr std::array<std::wstring_view, kSymbolCount> kSymbolNames = {
    L"Bell", L"Grape", L"$",   L"7",     L"Gold Bar", L"Diamond", L"Heart",
    L"Gem",  L"Bar",   L"Sun", L"Lemon", L"Apple",    L"Star",    L"Cherry"};

struct LeadingNumber {
  double value = 0.0;
  bool hasDigits = false;
  std::size_t end = 0; // first character after the number
};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

LeadingNumber ReadLeadingNumber(std::wstring_view text) {
  LeadingNumber number;
  std::size_t at = text.find_first_not_of(L' ');
  if (at == std::wstring_view::npos) {
    number.end = text.size();
    return number;
  }
  double sign = 1.0;
  if (text[at] == L'+' || text[at] == L'-') {
    sign = text[at] == L'-' ? -1.0 : 1.0;
    ++at;
  }
  double scale = 0.0; // 0 before the decimal point, then 0.1, 0.01, ...
  for (; at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (c == L'.' && scale == 0.0) {
      scale = 0.1;
    } else if (IsDigit(c)) {
      const double digit = c - L'0';
      if (scale == 0.0) {
        number.value = number.value * 10.0 + digit;
      } else {
        number.value += digit * scale;
        scale /= 10.0;
      }
      number.hasDigits = true;
    } else {
      break;
    }
  }
  number.value *= sign;
  number.end = at;
  return number;
}

} // namespace

double NumericValueOfCode(std::wstring_view code) {
  return ReadLeadingNumber(code).value;
}

std::optional<std::int16_t> IntegerValueOfCode(std::wstring_view code) {
  const LeadingNumber number = ReadLeadingNumber(code);
  const bool onlySpacesFollow =
      code.find_first_not_of(L' ', number.end) == std::wstring_view::npos;
  if (!number.hasDigits || !onlySpacesFollow ||
      number.value != std::floor(number.value) ||
      number.value < std::numeric_limits<std::int16_t>::min() ||
      number.value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(number.value);
}

std::uint8_t SymbolForCode(std::wstring_view code) {
  const double value = NumericValueOfCode(code);
  for (std::uint8_t symbol = 1; symbol <= kSymbolCount; ++symbol) {
    if (value == static_cast<double>(symbol)) {
      return symbol;
    }
  }
  return 0;
}

std::wstring_view SymbolNameForCode(std::wstring_view code) {
  return SymbolName(SymbolForCode(code));
}

std::wstring_view SymbolName(std::uint8_t symbol) {
  if (symbol < 1 || symbol > kSymbolCount) {
    return {};
  }
  return kSymbolNames[symbol - 1U];
}

std::uint8_t ShowReelSymbol(CardModel &model, std::wstring_view code,
                            std::int16_t reel) {
  if (reel < 1 || reel > kReelCount) {
    return 0;
  }
  ReelLabel &label = model.reels[static_cast<std::size_t>(reel - 1)];
  const std::uint8_t symbol = SymbolForCode(code);
  label.caption = SymbolName(symbol);
  label.tag = code;
  return symbol;
}

} // namespace slots::game
