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
  ChatTextReader reader;
  ChatLineSearch search{connection, reader};
};

TEST_F(ChatLineSearchTest, FindsTheNewestLineHoldingTheMarker) {
  library.chatText = L"Bob: Payouts:1\r\nchatter\r\nAnn: Payouts:2\r\nlast";
  EXPECT_EQ(search.FindNewestLineWith(L"Payouts:"), L"Ann: Payouts:2");
  library.chatText = L"older\r\nAnn: Payouts:3";
  EXPECT_EQ(search.FindNewestLineWith(L"Payouts:"), L"Ann: Payouts:3");
}

TEST_F(ChatLineSearchTest, MarkerIsMatchedExactly) {
  library.chatText = L"Ann: payouts:1\r\nAnn: Payouts :2";
  EXPECT_FALSE(search.FindNewestLineWith(L"Payouts:"));
}

TEST_F(ChatLineSearchTest, EmptyDeliveryGoesOnWithTheEarlierWalk) {
  library.chatText = L"Ann: FIRST:old\r\nAnn: Payouts:1\r\nnewest";
  ASSERT_TRUE(search.FindNewestLineWith(L"Payouts:"));
  library.chatText.clear();
  EXPECT_EQ(search.FindNewestLineWith(L"FIRST:"), L"Ann: FIRST:old");
}

TEST_F(ChatLineSearchTest, NewTextWalkFindsNothingInAnEmptyDelivery) {
  library.chatText = L"Ann: FIRST:old\r\nAnn: Payouts:1\r\nnewest";
  ASSERT_TRUE(search.FindNewestLineWith(L"Payouts:"));
  library.chatText.clear();
  EXPECT_FALSE(search.FetchNewestLineOfNewText());

  library.chatText = L"one\r\ntwo";
  EXPECT_EQ(search.FetchNewestLineOfNewText(), L"two");
  EXPECT_EQ(search.ReadOlderLine(), L"one");
  EXPECT_EQ(search.ReadOlderLine(), L"qmerror");
}

} // namespace
} // namespace slots::chat
