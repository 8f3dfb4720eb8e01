#include "chat/wide_text_scan.h"

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::wstring_view::npos;
constexpr std::size_t kBlock = 16;

// No early exit: the compiler turns the loop into a few vector compares.
bool BlockHolds(const wchar_t *block, wchar_t sought) {
  unsigned hits = 0;
  for (std::size_t i = 0; i < kBlock; ++i)
    hits |= block[i] == sought ? 1U : 0U;
  return hits != 0;
}

} // namespace

std::size_t FindLastLineBreak(std::wstring_view text, std::size_t end) {
  const wchar_t *chars = text.data();
  // A line feed at `lineFeed` ends a break when a CR stands before it, so
  // the search covers positions 1 to end - 1.
  std::size_t blockEnd = end;
  while (blockEnd > 1) {
    const std::size_t blockStart = blockEnd > kBlock ? blockEnd - kBlock : 1;
    if (blockEnd - blockStart < kBlock ||
        BlockHolds(chars + blockStart, L'\n')) {
      for (std::size_t lineFeed = blockEnd; lineFeed-- > blockStart;) {
        if (chars[lineFeed] == L'\n' && chars[lineFeed - 1] == L'\r')
          return lineFeed - 1;
      }
    }
    blockEnd = blockStart;
  }
  return kNotFound;
}

std::size_t FindFirstNul(std::wstring_view text) {
  const wchar_t *chars = text.data();
  std::size_t blockStart = 0;
  while (blockStart + kBlock <= text.size() &&
         !BlockHolds(chars + blockStart, L'\0'))
    blockStart += kBlock;
  for (std::size_t i = blockStart; i < text.size(); ++i) {
    if (chars[i] == L'\0')
      return i;
  }
  return kNotFound;
}

} // namespace slots::chat
