// Chat bytes to the program's text and back: a character whose bytes would
// not be written back the same reads as U+FFFD, whatever the code page puts
// in its place, so a name made of such bytes is never sent to.
#include "win32/platform/code_page_text.h"

#include <gtest/gtest.h>

#include <random>

namespace slots::win32 {
namespace {

constexpr UINT kShiftJis = 932;

TEST(CodePageTextTest, ShiftJisBytesThatDoNotComeBackReadAsUnreadable) {
  struct Case {
    std::string bytes;
    std::wstring read;
  };
  const Case cases[] = {
      {"Ann", L"Ann"},
      // Second bytes "\" and "[" belong to their characters.
      {"\x83\x5c\x81\x5b", L"\u30bd\u30fc"},
      {"\x81\x45", L"\u30fb"},
      // No character: the code page itself reads U+30FB here.
      {"A\x81\x7f"
       "B",
       L"A\uFFFDB"},
      // NEC's copy of a character whose own bytes are FA 5C.
      {"\xed\x40", L"\uFFFD"},
      {"B\x83", L"B\uFFFD"},
      {std::string("\0x", 2), std::wstring(L"\0x", 2)},
  };
  for (const Case &test : cases) {
    EXPECT_EQ(WideFromCodePage(kShiftJis, test.bytes), test.read)
        << testing::PrintToString(test.bytes);
  }
  EXPECT_EQ(ExactCodePageFromWide(kShiftJis, L"\u30bd\u30fc"),
            "\x83\x5c\x81\x5b");
  EXPECT_EQ(ExactCodePageFromWide(kShiftJis, L"\u30fb"), "\x81\x45");
  for (const std::wstring name : {L"A\uFFFDB", L"D\u0101ler"}) {
    EXPECT_EQ(ExactCodePageFromWide(kShiftJis, name), std::nullopt)
        << testing::PrintToString(name);
  }
}

// Random names in several code pages: each one that came in whole is
// written back as its very bytes, and each one that did not is never
// written.
TEST(CodePageTextTest, ANameIsWrittenOnlyAsTheBytesItCameFrom) {
  std::mt19937 random(23);
  for (const UINT codePage : {kShiftJis, 936u, 1252u, 65001u}) {
    int whole = 0;
    int unreadable = 0;
    for (int round = 0; round < 3000; ++round) {
      std::string bytes(1 + random() % 6, '\0');
      for (char &byte : bytes) {
        // Mostly the upper half, where the multi-byte characters are.
        byte = static_cast<char>(random() % 4 == 0 ? random() % 128
                                                   : 128 + random() % 128);
      }
      const std::wstring read = WideFromCodePage(codePage, bytes);
      const std::optional<std::string> written =
          ExactCodePageFromWide(codePage, read);
      const bool cameWhole = read.find(L'\uFFFD') == std::wstring::npos;
      whole += cameWhole;
      unreadable += !cameWhole;
      ASSERT_EQ(written.has_value(), cameWhole)
          << codePage << " " << testing::PrintToString(bytes);
      if (written) {
        ASSERT_EQ(*written, bytes) << codePage;
      }
    }
    EXPECT_GT(whole, 100) << codePage;
    if (codePage != 1252u) {
      EXPECT_GT(unreadable, 100) << codePage;
    }
  }
}

} // namespace
} // namespace slots::win32
