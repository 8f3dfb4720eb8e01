#include "chat/chat_connection.h"

#include "chat/scripted_chat_library.h"

#include <gtest/gtest.h>

#include <ostream>

namespace slots::chat {
namespace {

using testing::NoPause;
using testing::ScriptedChatLibrary;

class ChatConnectionTest : public ::testing::Test {
protected:
  ChatConnectionTest() { connection.OpenLink(); }

  ScriptedChatLibrary library;
  NoPause pause;
  ChatConnection connection{&library, L"slotscard", pause};
};

TEST_F(ChatConnectionTest, RegistersOnceWhenAskedToThenRepeats) {
  library.statuses = {L"10", L"0"};
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiRegister"), 1);
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 2);
}

// Repeating after a registration waits for nothing, but gives the window a
// moment to paint before each repeat, however long the library asks for it.
TEST_F(ChatConnectionTest, RepeatsAfterRegisteringWithoutWaitingButPaints) {
  library.statuses = {L"10", L"10", L"0"};
  connection.ChatGetAllText();
  EXPECT_EQ(pause.pauses,
            (std::vector<std::chrono::milliseconds>{
                std::chrono::milliseconds(0), std::chrono::milliseconds(0)}));
}

// The player may edit the host box while a busy request waits: the message
// still goes to the name it was started with.
TEST_F(ChatConnectionTest, RepeatsWhileBusyToTheNameItStartedWith) {
  library.statuses = {L"6", L"6", L"6", L"0"};
  std::wstring hostBox = L"Dealer";
  pause.duringPause = [&] { hostBox = L"Eve"; };
  connection.ChatSend(kPrivateMessageKind, hostBox, L"Register me!");
  EXPECT_EQ(library.CountCalls(L"DapiCommunicate2"), 4);
  EXPECT_EQ(library.calls.back().user, L"Dealer");
  EXPECT_EQ(library.calls.back().text, L"Register me!");
}

// The chat client answered "busy": it gets a moment to finish its work
// before each repeat, not a burst of calls.
TEST_F(ChatConnectionTest, PausesBeforeEachRepeatOfABusyRequest) {
  library.statuses = {L"6", L"6", L"0"};
  connection.ChatGetAllText();
  ASSERT_EQ(pause.pauses.size(), 2u);
  for (const std::chrono::milliseconds each : pause.pauses) {
    EXPECT_GE(each, std::chrono::milliseconds(50));
  }
}

TEST_F(ChatConnectionTest, UnknownStatusIsTreatedAsBusy) {
  library.statuses = {L"42", L"0"};
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 2);
}

TEST_F(ChatConnectionTest, GivesUpQuietlyOnMinusOne) {
  library.statuses = {L"-1"};
  library.chatText = L"ignored";
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 1);
}

TEST_F(ChatConnectionTest, NoStatusAtAllEndsTheRequestAtOnce) {
  library.statuses = {std::nullopt};
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 1);
}

TEST_F(ChatConnectionTest, NoStatusKeepsThePreviousVerdict) {
  library.statuses = {L"6", std::nullopt, std::nullopt, L"0"};
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 4);
}

TEST_F(ChatConnectionTest, BusyForeverGivesUpWithinTheBound) {
  library.statuses.clear();
  library.statusWhenScriptEnds = L"6";
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"),
            ChatConnection::kMaxCallsPerRequest);
  EXPECT_LE(pause.total, std::chrono::milliseconds(2000));

  library.statusWhenScriptEnds = L"0";
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"),
            ChatConnection::kMaxCallsPerRequest + 1);
}

TEST_F(ChatConnectionTest, RegisterForeverAlsoEnds) {
  library.statusWhenScriptEnds = L"10";
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"I hold 0,0,0");
  EXPECT_EQ(library.CountCalls(L"DapiCommunicate2"),
            ChatConnection::kMaxCallsPerRequest);
}

// Free Game makes up to four requests in one click; a chat client that is
// busy forever must not hold that click longer than one budget.
TEST_F(ChatConnectionTest, AllRequestsOfOneClickShareOneBudget) {
  library.statusWhenScriptEnds = L"6";
  library.clock = &pause;
  library.callCost = std::chrono::milliseconds(5);
  {
    const ChatConnection::Click click(connection);
    for (int request = 0; request < 4; ++request)
      connection.ChatGetAllText();
  }
  // Once the budget is spent, each later request still tries once.
  EXPECT_LE(pause.elapsed, ChatConnection::kClickBudget + 4 * library.callCost);
  EXPECT_GE(pause.elapsed, ChatConnection::kClickBudget -
                               ChatConnection::kRepeatPause - library.callCost);

  // The next click starts with a whole budget: it may repeat again.
  const int callsOfTheFirstClick = library.CountCalls(L"DapiGetAllText");
  library.statuses = {L"6", L"0"};
  const ChatConnection::Click nextClick(connection);
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), callsOfTheFirstClick + 2);
}

TEST_F(ChatConnectionTest, ASlowLibraryStopsRepeatingWhenTheClickIsSpent) {
  library.statusWhenScriptEnds = L"10";
  library.clock = &pause;
  library.callCost = std::chrono::milliseconds(700);
  const ChatConnection::Click click(connection);
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"Register me!");
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiCommunicate2"), 3);
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 1);
}

TEST_F(ChatConnectionTest, ABusyRepeatStillSucceedsWithinTheClick) {
  library.statuses = {L"6", L"6", L"0"};
  const ChatConnection::Click click(connection);
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"Register me!");
  EXPECT_EQ(library.CountCalls(L"DapiCommunicate2"), 3);
  EXPECT_EQ(connection.DapiStatus(), L"0");
}

TEST_F(ChatConnectionTest, KindIsNarrowedTo16Bits) {
  connection.ChatSend(65538, L"Dealer", L"x");
  EXPECT_EQ(library.calls.back().kind, L"DapiCommunicate2");
}

TEST_F(ChatConnectionTest, MessageCallbackIsKept) {
  connection.DapiMessageCallback(L"first", 7, L"second");
  EXPECT_EQ(connection.DapiLastMessage().first, L"first");
  EXPECT_EQ(connection.DapiLastMessage().number, 7);
  EXPECT_EQ(connection.DapiLastMessage().second, L"second");
}

TEST(ChatConnectionWithoutLibrary, RequestsDoNothing) {
  NoPause pause;
  ChatConnection connection(nullptr, L"slotscard", pause);
  EXPECT_FALSE(connection.OpenLink());
  connection.ChatGetAllText();
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"x");
  connection.CloseLink();
  EXPECT_TRUE(connection.DapiText().IsEmpty());
}

TEST(ChatConnectionLink, FailedInitLeavesTheLinkClosed) {
  ScriptedChatLibrary library;
  library.initResult = 3;
  NoPause pause;
  ChatConnection connection(&library, L"slotscard", pause);
  EXPECT_FALSE(connection.OpenLink());
  EXPECT_FALSE(connection.IsLinkOpen());

  connection.ChatGetAllText();
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"x");
  connection.CloseLink();
  const std::vector<std::wstring> onlyTheFailedInit = {L"InitDDE"};
  EXPECT_EQ(library.CallKinds(), onlyTheFailedInit);
}

TEST(ChatConnectionLink, NoRequestAfterTheLinkIsClosed) {
  ScriptedChatLibrary library;
  NoPause pause;
  ChatConnection connection(&library, L"slotscard", pause);
  ASSERT_TRUE(connection.OpenLink());
  connection.CloseLink();
  connection.CloseLink();
  connection.ChatGetAllText();
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"x");
  const std::vector<std::wstring> openThenClose = {L"InitDDE", L"KillDDE"};
  EXPECT_EQ(library.CallKinds(), openThenClose);
}

TEST(ChatConnectionLink, AnOpenLinkIsClosedBeforeTheConnectionGoes) {
  ScriptedChatLibrary library;
  NoPause pause;
  {
    ChatConnection connection(&library, L"slotscard", pause);
    ASSERT_TRUE(connection.OpenLink());
  }
  EXPECT_EQ(library.CountCalls(L"KillDDE"), 1);
}

TEST_F(ChatConnectionTest, StatusOfAnEarlierRequestDoesNotRepeatTheNext) {
  library.statuses = {L"6", L"6", L"-1"};
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"x");
  connection.DapiStatusCallback(L"6");
  library.statuses = {std::nullopt};
  connection.ChatGetAllText();
  EXPECT_EQ(library.CountCalls(L"DapiGetAllText"), 1);
  EXPECT_EQ(connection.DapiStatus(), L"");

  connection.DapiStatusCallback(L"10");
  library.statuses = {std::nullopt};
  connection.ChatSend(kPrivateMessageKind, L"Dealer", L"y");
  EXPECT_EQ(library.CountCalls(L"DapiRegister"), 0);
  EXPECT_EQ(library.CountCalls(L"DapiCommunicate2"), 4);
}

struct TrimCase {
  const char *name;
  std::wstring delivered;
  std::wstring stored;
};

void PrintTo(const TrimCase &trim, std::ostream *out) {
  *out << ::testing::PrintToString(trim.delivered);
}

class DeliveredTextTrimming : public ::testing::TestWithParam<TrimCase> {};

TEST_P(DeliveredTextTrimming, StoresWhatTheChatHolds) {
  NoPause pause;
  ChatConnection connection(nullptr, L"slotscard", pause);
  connection.DapiTextCallback(GetParam().delivered);
  EXPECT_EQ(connection.DapiText().WholeText(), GetParam().stored);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, DeliveredTextTrimming,
    ::testing::Values(
        TrimCase{"TrailingLineBreaks", L"abc\r\n\r\n", L"abc"},
        // NUL as the 10th character keeps the first five.
        TrimCase{"NulTenth", L"abcdefghi\0tail"s, L"abcde"},
        TrimCase{"NulTenthAfterALineBreak", L"abc\r\nfghi\0tail"s, L"abc"},
        // NUL as the 3rd character: nothing is cut.
        TrimCase{"NulThird", L"ab\0defg"s, L"ab\0defg"s},
        TrimCase{"NulSixth", L"abcde\0"s, L"a"},
        TrimCase{"NulFifth", L"abcd\0x"s, L"abcd\0x"s},
        TrimCase{"OnlyLineBreaks", L"\r\n\r\n\r\n", L""},
        TrimCase{"LoneLineFeed", L"line\r\n\n", L"line\r\n\n"},
        TrimCase{"Accents", L"\u00e9t\u00e9\r\n", L"\u00e9t\u00e9"}),
    [](const ::testing::TestParamInfo<TrimCase> &info) {
      return std::string(info.param.name);
    });

} // namespace
} // namespace slots::chat
