#include "chat/chat_line_search.h"

#include "chat/scripted_chat_library.h"

#include <gtest/gtest.h>

namespace slots::chat {
namespace {

class ChatLineSearchTest : public ::testing::Test {
protected:
  ChatLineSearchTest() { connection.OpenLink(); }

  testing::ScriptedChatLibrary library;
  testing::NoPause pause;
  ChatConnection connection{&library, L"slotscard", pause};
  ChatLineSearch search{connection};
};

TEST_F(ChatLineSearchTest, FindsTheNewestLineHoldingTheMarker) {
  library.chatText = L"Bob: Payouts:1\r\nchatter\r\nAnn: Payouts:2\r\nlast";
  EXPECT_EQ(search.FetchChatText().FindNewestLineWith(L"Payouts:"),
            L"Ann: Payouts:2");
  library.chatText = L"older\r\nAnn: Payouts:3";
  EXPECT_EQ(search.FetchChatText().FindNewestLineWith(L"Payouts:"),
            L"Ann: Payouts:3");
}

TEST_F(ChatLineSearchTest, MarkerIsMatchedExactly) {
  library.chatText = L"Ann: payouts:1\r\nAnn: Payouts :2";
  EXPECT_FALSE(search.FetchChatText().FindNewestLineWith(L"Payouts:"));
}

TEST_F(ChatLineSearchTest, OneFetchServesEveryWalkOfAClick) {
  library.chatText = L"Ann: FIRST:old\r\nAnn: Payouts:1\r\nnewest";
  const FetchedChatText chatText = search.FetchChatText();
  EXPECT_EQ(chatText.FindNewestLineWith(L"Payouts:"), L"Ann: Payouts:1");
  EXPECT_EQ(chatText.FindNewestLineWith(L"FIRST:"), L"Ann: FIRST:old");
  EXPECT_EQ(chatText.FindNewestLineWith(L"Payouts:"), L"Ann: Payouts:1");
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 1);
  EXPECT_TRUE(connection.DapiText().IsEmpty());
}

TEST_F(ChatLineSearchTest, WalkGoesOnToOlderLinesFromTheLineFound) {
  library.chatText = L"one\r\nAnn: FIRST:x\r\nESP to Ann: FIRST:x\r\nlast";
  const FetchedChatText chatText = search.FetchChatText();
  ChatTextReader walk;
  EXPECT_EQ(chatText.FindNewestLineWith(L"FIRST:", walk),
            L"ESP to Ann: FIRST:x");
  EXPECT_EQ(walk.ReadChatLine({}), L"Ann: FIRST:x");
  EXPECT_EQ(walk.ReadChatLine({}), L"one");
  EXPECT_EQ(walk.ReadChatLine({}), L"qmerror");
}

TEST_F(ChatLineSearchTest, OneWalkFindsTheNewestLineForEachMarker) {
  library.chatText = L"Bob: Payouts:1\r\nESP from Dealer: FIRST:a\r\n"
                     L"Ann: Payouts:2\r\nESP to Dealer: FIRST:b\r\nlast";
  const FetchedChatText chatText = search.FetchChatText();
  auto [payout, firstSpin, missing] =
      chatText.FindNewestLinesWith({L"Payouts:", L"FIRST:", L"FINAL:"});
  ASSERT_TRUE(payout && firstSpin);
  EXPECT_EQ(payout->line, L"Ann: Payouts:2");
  EXPECT_EQ(firstSpin->line, L"ESP to Dealer: FIRST:b");
  EXPECT_EQ(firstSpin->olderLines.ReadChatLine({}), L"Ann: Payouts:2");
  EXPECT_EQ(payout->olderLines.ReadChatLine({}), L"ESP from Dealer: FIRST:a");
  EXPECT_FALSE(missing);
}

TEST_F(ChatLineSearchTest, LineReadingQmerrorEndsTheWalkForEveryMarker) {
  library.chatText = L"Ann: FIRST:x\r\nqmerror\r\nAnn: Payouts:1";
  const FetchedChatText chatText = search.FetchChatText();
  auto [payout, firstSpin] =
      chatText.FindNewestLinesWith({L"Payouts:", L"FIRST:"});
  EXPECT_TRUE(payout);
  EXPECT_FALSE(firstSpin);
  EXPECT_FALSE(chatText.FindNewestLineWith(L"FIRST:"));
}

TEST_F(ChatLineSearchTest, DeliveryOfNothingHoldsNoLine) {
  library.chatText = L"Ann: Payouts:1\r\nnewest";
  ASSERT_TRUE(search.FetchChatText().FindNewestLineWith(L"Payouts:"));
  library.chatText.clear();
  const FetchedChatText nothing = search.FetchChatText();
  EXPECT_TRUE(nothing.IsEmpty());
  EXPECT_FALSE(nothing.FindNewestLineWith(L"Payouts:"));
  EXPECT_FALSE(nothing.FindNewestLinesWith({L"Payouts:"})[0]);
}

} // namespace
} // namespace slots::chat
