// The system code page's decoder reads the chat tail first exactly as one
// MultiByteToWideChar of the whole text reads it, line for line, on seeded
// random texts of the bytes that are hard in code pages 1252 and 932. The
// test command runs it once more as on a Japanese Windows.
#include "chat/tail_first_comparison.h"
#include "win32/platform/code_page_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

namespace slots::win32 {
namespace {

const std::vector<std::string> kPieces = {"FIRST:",
                                          "Payouts:",
                                          "qmerror",
                                          "\r\n",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "Ann: ",
                                          "\x95\x5C",
                                          "\x81\x5B",
                                          "\x83"
                                          "FIRST:",
                                          "\x81",
                                          "\x82\xA0",
                                          "\xE9",
                                          "\x80",
                                          "\x81\r\n",
                                          "\xFC",
                                          "?"};
const std::wstring_view kMarkers[] = {L"FIRST:", L"Payouts:"};

TEST(SystemCodePageDecoder, ReadsTailFirstWhatTheWholeTextReads) {
  const std::wstring whole = WideFromSystemCodePage("Ann: \x95\x5C\r\nB");
  std::wstring decoded;
  SystemCodePageDecoder().AppendDecoded("Ann: \x95\x5C\r\nB", decoded);
  ASSERT_EQ(decoded, whole) << "code page " << GetACP();

  std::mt19937 random(26);
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (std::size_t i = random() % 20; i > 0; --i)
      text += kPieces[piece(random)];
    text.resize(random() % (text.size() + 1));
    ASSERT_EQ(testing::CompareTailFirstReading(text, SystemCodePageDecoder(),
                                               kMarkers),
              "")
        << "code page " << GetACP() << ": " << ::testing::PrintToString(text);
  }
}

} // namespace
} // namespace slots::win32
