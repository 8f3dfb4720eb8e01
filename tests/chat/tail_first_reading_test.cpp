// Tail-first reading against whole-text conversion, line for line, on seeded
// random texts in code pages 1252 and 932, and at the boundaries where a
// double-byte character meets a line break or a marker.
#include "iconv_text_decoder.h"
#include "tail_first_comparison.h"

#include "chat/chat_line_search.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

namespace slots::chat {
namespace {

using testing::CompareTailFirstReading;
using testing::IconvTextDecoder;

const std::wstring_view kMarkers[] = {L"FIRST:", L"Payouts:", L"\u8868FINAL:"};
const std::wstring_view kUnsearchableMarkers[] = {L"FIRST:", L"\u8868"};

// Pieces a chat is made of: markers, breaks, and the bytes that make double-
// byte code pages hard: first bytes of two, second bytes 0x5C and 0x5B and a
// marker's letters as second bytes, lone first bytes.
const std::vector<std::string> kPieces = {"FIRST:",
                                          "Payouts:",
                                          "FINAL:",
                                          "qmerror",
                                          "\r\n",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "Ann: ",
                                          "a",
                                          "\x95\x5C",
                                          "\x81\x5B",
                                          "\x83"
                                          "FIRST:",
                                          "\x95"
                                          "FINAL:",
                                          "\x81",
                                          "\x82\xA0",
                                          "\xE9",
                                          "\x80",
                                          "\x81\r\n",
                                          "\xFC",
                                          "?",
                                          "\x95\x5C"
                                          "FINAL:"};

std::string RandomText(std::mt19937 &random) {
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  std::string text;
  const std::size_t pieces = random() % 24;
  for (std::size_t i = 0; i < pieces; ++i)
    text += kPieces[piece(random)];
  // Cut at any byte: a line, or a character, may end anywhere.
  return text.substr(0, random() % (text.size() + 1));
}

TEST(TailFirstReading, ReadsWhatWholeTextConversionReads) {
  for (const char *codePage : {"CP1252", "CP932"}) {
    const IconvTextDecoder decoder(codePage);
    std::mt19937 random(26);
    for (int round = 0; round < 4000; ++round) {
      const std::string text = RandomText(random);
      using Markers = std::span<const std::wstring_view>;
      const Markers markers =
          round % 2 ? Markers(kMarkers) : Markers(kUnsearchableMarkers);
      ASSERT_EQ(CompareTailFirstReading(text, decoder, markers), "")
          << codePage << ", round " << round << ": "
          << ::testing::PrintToString(text);
    }
  }
}

TEST(TailFirstReading, AFirstByteTakesTheCarriageReturnAfterIt) {
  const IconvTextDecoder cp932("CP932");
  const ChatText odd(std::string("A\r\nB\x81\r\nC"), cp932);
  const ChatText even(std::string("A\r\nB\x81\x81\r\nC"), cp932);
  ChatTextReader walk;
  EXPECT_EQ(walk.ReadChatLine(odd), L"B\uFFFD\nC");
  EXPECT_EQ(walk.ReadChatLine({}), L"A");
  EXPECT_EQ(walk.ReadChatLine(even), L"C");
  EXPECT_EQ(walk.ReadChatLine({}), L"B\uFF1D");
}

TEST(TailFirstReading, AMarkerSpelledBySecondBytesIsNoMarker) {
  const IconvTextDecoder cp932("CP932");
  // 0x83 0x46 is one character, so the newer line reads no "FIRST:".
  const ChatText text(std::string("Dealer: FIRST:1\r\nAnn: \x83"
                                  "FIRST:2\r\n"
                                  "\x95\x5C\r\nlast"),
                      cp932);
  ChatTextReader walk;
  std::size_t newerLines = 0;
  const std::wstring_view markers[] = {L"FIRST:"};
  walk.ReadChatLine(text);
  EXPECT_EQ(walk.ReadOlderLineWithAny(markers, newerLines), L"Dealer: FIRST:1");
  EXPECT_EQ(newerLines, 3u);
  EXPECT_EQ(walk.ReadOlderLineWithAny(markers, newerLines), L"qmerror");
}

} // namespace
} // namespace slots::chat
