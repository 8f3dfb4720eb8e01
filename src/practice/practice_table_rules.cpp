#include "practice/practice_table_rules.h"

#include <algorithm>

namespace slots::practice {
namespace {

constexpr std::wstring_view kHoldsPrefix = L"I hold ";
// Rows of the table by symbol code 1..14 (index 0 unused); Cherries, code 14,
// have three rows of their own.
constexpr std::array<int, kSymbolCount + 1> kRowOfSymbol = {
    -1, 6, 12, 2, 0, 4, 3, 9, 11, 1, 10, 8, 5, 7, 13};
constexpr int kThreeCherriesRow = 13;

std::wstring TwoDigits(int code) {
  return {static_cast<wchar_t>(L'0' + code / 10 % 10),
          static_cast<wchar_t>(L'0' + code % 10)};
}

std::optional<bool> ParseFlag(wchar_t flag) {
  if (flag == L'0') {
    return false;
  }
  if (flag == L'1') {
    return true;
  }
  return std::nullopt;
}

} // namespace

std::wstring PayoutLine() {
  std::wstring line = L"Payouts";
  for (const int value : kPayouts) {
    line += L':' + std::to_wstring(value);
  }
  return line;
}

int PayoutFor(const Reels &reels) {
  const auto cherries = std::count(reels.begin(), reels.end(), kCherryCode);
  if (cherries > 0) {
    // One Cherry pays the last row, two the one above, three the one above.
    return kPayouts[static_cast<std::size_t>(kThreeCherriesRow + kReelCount -
                                             cherries)];
  }
  const bool threeEqual = reels[0] == reels[1] && reels[1] == reels[2];
  if (!threeEqual || reels[0] < 1 || reels[0] > kSymbolCount) {
    return 0;
  }
  return kPayouts[static_cast<std::size_t>(
      kRowOfSymbol[static_cast<std::size_t>(reels[0])])];
}

std::wstring SpinField(const Reels &reels) {
  std::wstring field;
  for (int reel = 0; reel < kReelCount; ++reel) {
    field += L'[' + std::to_wstring(reel + 1) + L']' +
             TwoDigits(reels[static_cast<std::size_t>(reel)]);
  }
  return field;
}

std::wstring CreditField(int balance) {
  return L"$(" + std::to_wstring(balance) + L')';
}

std::optional<Holds> ParseHoldsMessage(std::wstring_view message) {
  // "I hold " then "f,f,f".
  constexpr std::size_t kFlagsLength = 2 * kReelCount - 1;
  if (!message.starts_with(kHoldsPrefix) ||
      message.size() != kHoldsPrefix.size() + kFlagsLength) {
    return std::nullopt;
  }
  const std::wstring_view flags = message.substr(kHoldsPrefix.size());
  Holds holds{};
  for (std::size_t reel = 0; reel < holds.size(); ++reel) {
    if (reel > 0 && flags[2 * reel - 1] != L',') {
      return std::nullopt;
    }
    const std::optional<bool> held = ParseFlag(flags[2 * reel]);
    if (!held) {
      return std::nullopt;
    }
    holds[reel] = *held;
  }
  return holds;
}

} // namespace slots::practice
