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

// What a walk keeps of a line is its place: lines are read, and the breaks
// between two places counted (a break counts where its CR stands), there.
TEST(TailFirstReading, LinesAreReadAndBreaksCountedWhereTheyStand) {
  const IconvTextDecoder cp1252("CP1252");
  const ChatText text(std::string("\r\nA\r\nqmerror"), cp1252);
  const LineSpan newest = text.NewestLine();
  EXPECT_EQ(newest.start, 5u);
  EXPECT_TRUE(text.LineReads(newest, L"qmerror"));
  EXPECT_FALSE(text.LineReads(newest, L"qmerrox"));
  EXPECT_FALSE(text.LineReads({5, 11}, L"qmerror"));
  const auto middle = text.LineBefore(newest);
  ASSERT_TRUE(middle);
  EXPECT_TRUE(text.LineReads(*middle, L"A"));
  const auto oldest = text.LineBefore(*middle);
  ASSERT_TRUE(oldest);
  EXPECT_EQ(oldest->end, 0u);
  EXPECT_FALSE(text.LineBefore(*oldest));

  const std::size_t breaks[][3] = {{0, 12, 2}, {0, 1, 1},  {1, 12, 1},
                                   {3, 4, 1},  {4, 12, 0}, {2, 3, 0}};
  for (const auto &[from, to, count] : breaks) {
    EXPECT_EQ(text.CountLineBreaks(from, to), count) << from << ".." << to;
  }
  // The search goes by blocks of 32: a LF that opens a block is counted once.
  const ChatText blocks(
      std::string(10, 'a') + "\r\n" + std::string(19, 'a') + "\r\nb", cp1252);
  EXPECT_EQ(blocks.CountLineBreaks(0, blocks.Size()), 2u);
  EXPECT_EQ(blocks.FindNextLineBreak(12), 31u);
  EXPECT_EQ(blocks.FindNextLineBreak(32), std::string::npos);
  EXPECT_EQ(blocks.FindNextLineBreak(std::string::npos), std::string::npos);
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
