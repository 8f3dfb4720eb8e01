#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace slots::fuzz {

// The chat's text as the card holds it: each byte one character, as the
// system code page's single bytes widen (bytes above 0x7f stand for the
// characters the card would see there).
inline std::wstring WideTextOf(const std::uint8_t *data, std::size_t size) {
  std::wstring text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    text.push_back(static_cast<wchar_t>(data[i]));
  }
  return text;
}

// Splits the input at NUL bytes, so one input can carry several fields.
inline std::vector<std::string> FieldsOf(const std::uint8_t *data,
                                         std::size_t size) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      fields.emplace_back();
    } else {
      fields.back().push_back(static_cast<char>(data[i]));
    }
  }
  return fields;
}

// A broken promise of the code under test: libFuzzer reports the crash
// with the input that caused it.
inline void Require(bool holds) {
  if (!holds) {
    __builtin_trap();
  }
}

} // namespace slots::fuzz
