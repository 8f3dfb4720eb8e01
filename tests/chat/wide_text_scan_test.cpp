#include "chat/wide_text_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace slots::chat {
namespace {

std::size_t LastLineBreakOneByOne(std::wstring_view text, std::size_t end) {
  for (std::size_t i = end; i >= 2; --i) {
    if (text[i - 2] == L'\r' && text[i - 1] == L'\n')
      return i - 2;
  }
  return std::wstring_view::npos;
}

// Breaks, lone CRs and LFs and NULs at every distance from the ends of the
// blocks the searches skip over, in texts shorter and longer than a block.
TEST(WideTextScan, FindsWhatACharacterByCharacterSearchFinds) {
  for (std::size_t length = 0; length <= 70; ++length) {
    for (std::size_t at = 0; at + 1 < length; ++at) {
      std::wstring text(length, L'x');
      text[at] = L'\r';
      text[at + 1] = L'\n';
      if (at >= 3)
        text[at - 3] = L'\n'; // a line feed without its CR
      for (std::size_t end = 0; end <= length; ++end) {
        ASSERT_EQ(FindLastLineBreak(text, end),
                  LastLineBreakOneByOne(text, end))
            << "length " << length << ", break at " << at << ", end " << end;
      }
      std::wstring withNul(length, L'x');
      withNul[at + 1] = L'\0';
      if (at + 4 < length)
        withNul[at + 4] = L'\0';
      ASSERT_EQ(FindFirstNul(withNul), at + 1) << "length " << length;
    }
    EXPECT_EQ(FindFirstNul(std::wstring(length, L'x')),
              std::wstring_view::npos);
  }
}

TEST(WideTextScan, CrAndLfAcrossABlockEdgeAreOneBreak) {
  for (std::size_t at = 10; at < 40; ++at) {
    std::wstring text(64, L'y');
    text[at] = L'\r';
    text[at + 1] = L'\n';
    EXPECT_EQ(FindLastLineBreak(text, text.size()), at);
    EXPECT_EQ(FindLastLineBreak(text, at + 1), std::wstring_view::npos);
  }
}

} // namespace
} // namespace slots::chat
