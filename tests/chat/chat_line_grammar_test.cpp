#include "chat/chat_line_grammar.h"

#include <gtest/gtest.h>

namespace slots::chat {
namespace {

TEST(SpeakerOfLine, IsEverythingBeforeTheFirstColonSpace) {
  EXPECT_EQ(SpeakerOfLine(L"Ann: Your machinekeeper is Ann"), L"Ann");
  EXPECT_EQ(SpeakerOfLine(L"ESP from Bob: hi: there"), L"ESP from Bob");
  EXPECT_EQ(SpeakerOfLine(L"no separator:here"), L"");
  EXPECT_EQ(SpeakerOfLine(L": starts with it"), L"");
}

TEST(ReceivedPrivateLine, CutsSenderAndMessage) {
  const auto line = ParseReceivedPrivateLine(L"ESP from Dealer: FIRST:x");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->sender, L"Dealer");
  EXPECT_EQ(line->message, L"FIRST:x");
  const auto keyword = ParseKeywordMessage(line->message);
  ASSERT_TRUE(keyword);
  EXPECT_EQ(keyword->keyword, L"FIRST");
  EXPECT_EQ(keyword->payload, L"x");
}

TEST(ReceivedPrivateLine, SenderEndsAtTheFirstColonSpace) {
  const auto line = ParseReceivedPrivateLine(L"ESP from Odd: Name: FINAL:1");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->sender, L"Odd");
  EXPECT_EQ(line->message, L"Name: FINAL:1");
}

TEST(ReceivedPrivateLine, NinthCharacterIsSkippedUnchecked) {
  const auto line = ParseReceivedPrivateLine(L"ESP from_Dealer: hi");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->sender, L"Dealer");
}

TEST(ReceivedPrivateLine, RefusesOtherLines) {
  EXPECT_FALSE(ParseReceivedPrivateLine(L"ESP to Dealer: I hold 1,0,1"));
  EXPECT_FALSE(ParseReceivedPrivateLine(L"esp from Dealer: FIRST:x"));
  EXPECT_FALSE(ParseReceivedPrivateLine(L"ESP from Dealer FIRST:x"));
  EXPECT_FALSE(ParseReceivedPrivateLine(L"ESP from"));
  EXPECT_FALSE(ParseReceivedPrivateLine(L"ESP fro"));
}

TEST(ReceivedPrivateLine, EmptySenderAndMessageAreAllowed) {
  const auto line = ParseReceivedPrivateLine(L"ESP from : ");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->sender, L"");
  EXPECT_EQ(line->message, L"");
}

TEST(SentPrivateLine, IsRecognisedByItsPrefix) {
  EXPECT_TRUE(IsSentPrivateLine(L"ESP to Dealer: I hold 0,0,0"));
  EXPECT_FALSE(IsSentPrivateLine(L"ESP from Dealer: x"));
  EXPECT_FALSE(IsSentPrivateLine(L"ESP t"));
}

TEST(KeywordMessage, KeywordIsExactAndPayloadKeepsLaterColons) {
  const auto message = ParseKeywordMessage(L"FINAL: 01 :x(12):z");
  ASSERT_TRUE(message);
  EXPECT_EQ(message->keyword, L"FINAL");
  EXPECT_EQ(message->payload, L" 01 :x(12):z");
  EXPECT_EQ(ParseKeywordMessage(L"FIRST :x")->keyword, L"FIRST ");
  EXPECT_FALSE(ParseKeywordMessage(L"no colon at all"));
}

} // namespace
} // namespace slots::chat
