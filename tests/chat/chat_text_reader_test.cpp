#include "chat/chat_text_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace slots::chat {
namespace {

// Starts a walk over the text and collects what it hands out, "qmerror"
// included, for a fixed number of calls.
std::vector<std::wstring> Walk(ChatTextReader &reader, const std::wstring &text,
                               int calls) {
  std::vector<std::wstring> lines{std::wstring(reader.ReadChatLine(text))};
  while (static_cast<int>(lines.size()) < calls)
    lines.emplace_back(reader.ReadChatLine({}));
  return lines;
}

using ::testing::ElementsAre;

TEST(ChatTextReader, WalksNewestFirstThenRunsOut) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"A\r\nB\r\nC", 5),
              ElementsAre(L"C", L"B", L"A", L"qmerror", L"qmerror"));
  EXPECT_TRUE(reader.RemainingChatText().empty());
}

TEST(ChatTextReader, FinalLineBreakGivesAnEmptyNewestLine) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"A\r\nB\r\nC\r\n", 5),
              ElementsAre(L"", L"C", L"B", L"A", L"qmerror"));
}

TEST(ChatTextReader, SingleLineWithoutBreak) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"only line", 2),
              ElementsAre(L"only line", L"qmerror"));
}

TEST(ChatTextReader, ShortAndEmptyLinesAreLinesToo) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"oldest one\r\nxy\r\n\r\nnewest", 5),
              ElementsAre(L"newest", L"", L"xy", L"oldest one", L"qmerror"));
}

TEST(ChatTextReader, StepBeforeAnyTextRunsOut) {
  ChatTextReader reader;
  EXPECT_EQ(reader.ReadChatLine({}), L"qmerror");
}

TEST(ChatTextReader, RemainingTextEndsWithTheBreakBeforeTheLastLine) {
  ChatTextReader reader;
  reader.ReadChatLine(L"A\r\nB\r\nC");
  EXPECT_EQ(reader.RemainingChatText(), L"A\r\nB\r\nC");
  EXPECT_EQ(reader.ReadChatLine({}), L"B");
  EXPECT_EQ(reader.RemainingChatText(), L"A\r\n");
}

TEST(ChatTextReader, NewTextAbandonsTheOldWalk) {
  ChatTextReader reader;
  reader.ReadChatLine(L"A\r\nB\r\nC");
  EXPECT_THAT(Walk(reader, L"X\r\nY", 3), ElementsAre(L"Y", L"X", L"qmerror"));
}

TEST(ChatTextReader, EmptyTextContinuesTheCurrentWalk) {
  ChatTextReader reader;
  reader.ReadChatLine(L"A\r\nB\r\nC");
  EXPECT_EQ(reader.ReadChatLine(L""), L"B");
}

TEST(ChatTextReader, LoneCarriageReturnsAndLineFeedsAreNotBreaks) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"A\rB\r\nC\nD", 3),
              ElementsAre(L"C\nD", L"A\rB", L"qmerror"));
}

TEST(ChatTextReader, TextOfLineBreaksOnly) {
  ChatTextReader reader;
  EXPECT_THAT(Walk(reader, L"\r\n\r\n", 4),
              ElementsAre(L"", L"", L"", L"qmerror"));
  // A delivered text, walked by its kept line places, alike.
  const ChatText delivered(std::wstring(L"\r\nA"));
  EXPECT_EQ(reader.ReadChatLine(delivered), L"A");
  EXPECT_EQ(reader.ReadChatLine({}), L"");
  EXPECT_EQ(reader.ReadChatLine({}), L"qmerror");
}

TEST(IsAllDigits, AcceptsOnlyPlainDigits) {
  EXPECT_FALSE(IsAllDigits(std::wstring_view(L"")));
  EXPECT_TRUE(IsAllDigits(std::wstring_view(L"007")));
  EXPECT_TRUE(IsAllDigits(std::wstring_view(L"1234567890")));
  EXPECT_FALSE(IsAllDigits(std::wstring_view(L"-1")));
  EXPECT_FALSE(IsAllDigits(std::wstring_view(L" 1")));
  EXPECT_FALSE(IsAllDigits(std::wstring_view(L"12a")));
  EXPECT_FALSE(IsAllDigits(std::wstring_view(L"1.5")));
  EXPECT_FALSE(IsAllDigits(std::string_view("")));
  EXPECT_TRUE(IsAllDigits(std::string_view("300")));
  EXPECT_FALSE(IsAllDigits(std::string_view("a1")));
}

} // namespace
} // namespace slots::chat
