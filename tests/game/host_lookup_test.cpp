#include "game/host_lookup.h"

#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::EspFrom;
using testing::FakeChatLibrary;
using testing::kReadyToStart;

const std::wstring kAnnouncement = L"Dealer: Your machinekeeper is Dealer";
const std::wstring kCredits = L"Dealer: Amount of credits you get: 250";
const std::wstring kPayouts =
    L"Dealer: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16";

class HostLookupTest : public CardTest {};

TEST_F(HostLookupTest, GetHostTakesTheSpeakerOfTheNewestAnnouncement) {
  library.SetChat({L"Bob: Your machinekeeper is Bob", L"Ann: hi",
                   L"Ann: Your machinekeeper is Ann", L"Cid: hello"});
  GetHost(card);
  EXPECT_EQ(model.hostName, L"Ann");
}

TEST_F(HostLookupTest, PrivateAnnouncementNamesItsSenderAsTheHost) {
  library.SetChat({EspFrom(L"Bob", L"Your machinekeeper is Bob")});
  dialogs.answer = CardDialogs::kAnswerYes;
  FreeGame(card);
  EXPECT_EQ(model.hostName, L"Bob");
  EXPECT_EQ(library.sent.back().user, L"Bob");
}

TEST_F(HostLookupTest, FilledHostBoxIsNeverOverwritten) {
  library.SetChat({kAnnouncement, kCredits});
  model.hostName = L"Mine";
  GetHost(card);
  FreeGame(card);
  EXPECT_EQ(model.hostName, L"Mine");
  EXPECT_EQ(library.sent.back().user, L"Mine");
}

TEST_F(HostLookupTest, SpeakerLongerThanAnyChatNameIsNoMachinekeeper) {
  const std::wstring longest(64, L'a');
  library.SetChat({longest + L": Your machinekeeper is " + longest});
  GetHost(card);
  EXPECT_EQ(model.hostName, longest);

  model.hostName.clear();
  const std::wstring tooLong(65, L'a');
  library.SetChat({tooLong + L": Your machinekeeper is " + tooLong, kCredits});
  GetHost(card);
  FreeGame(card);
  EXPECT_EQ(model.hostName, L"");
  EXPECT_TRUE(library.sent.empty());
}

TEST_F(HostLookupTest, FreeGameRegistersAndCopiesCreditsAndPayouts) {
  library.SetChat({kAnnouncement, kCredits, kPayouts});
  FreeGame(card);
  EXPECT_EQ(dialogs.questions,
            (std::vector<testing::Box>{
                {L"ESP Registration?",
                 L"Would you like to send registration request ESP?"}}));
  EXPECT_EQ(library.sent, (std::vector<FakeChatLibrary::Sent>{
                              {2, L"Dealer", L"Register me!"}}));
  EXPECT_EQ(model.hostName, L"Dealer");
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(model.payouts.values[15], L"16");
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Hidden);
  EXPECT_TRUE(model.registered);
  EXPECT_EQ(model.steps, kReadyToStart);
}

TEST_F(HostLookupTest, FreeGameAnsweredNoSendsNothingButStillReadsTheCard) {
  library.SetChat({kAnnouncement, kPayouts, kCredits});
  dialogs.answer = CardDialogs::kAnswerNo;
  FreeGame(card);
  EXPECT_TRUE(library.sent.empty());
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(model.payouts.values[0], L"1");
  EXPECT_EQ(model.steps, kReadyToStart);
}

TEST_F(HostLookupTest, CreditsStartOneCharacterAfterTheColon) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"Dealer: Amount of credits you get:250", L"50"},
      {L"Dealer: Amount of credits you get:", L""},
      {L"Dealer: Amount of credits you get:  7 ", L" 7 "}};
  for (const auto &[line, credits] : cases) {
    model = CardModel();
    library.SetChat({kAnnouncement, line});
    FreeGame(card);
    EXPECT_EQ(model.credits, credits) << "line " << line;
  }
}

TEST_F(HostLookupTest, AnswerOtherThanYesOrNoSendsNothing) {
  for (const int answer : {0, 2 /* IDCANCEL */, 1 /* IDOK */}) {
    SCOPED_TRACE(answer);
    model = CardModel();
    library.SetChat({kAnnouncement, kCredits});
    dialogs.answer = answer;
    EXPECT_EQ(AskYesNo(dialogs, L"title", L"prompt"), L"");
    FreeGame(card);
    EXPECT_TRUE(library.sent.empty());
    EXPECT_EQ(model.credits, L"250");
    EXPECT_EQ(model.steps, kReadyToStart);
  }
}

// A busy client given up, status "-1" or a cleared chat window: what an
// earlier walk left unread must not be taken from it.
TEST_F(HostLookupTest, EmptyDeliveryFindsNothing) {
  library.QueueFetch(testing::JoinLines(
      {L"Bob: Your machinekeeper is Bob", kCredits, L"Ann: Payouts:9"}));
  ASSERT_TRUE(search.FetchChatText().FindNewestLineWith(L"Payouts:"));
  library.QueueFetch(L"");
  GetHost(card);
  EXPECT_EQ(model.hostName, L"");

  library.QueueFetch(testing::JoinLines({kCredits, kAnnouncement}));
  library.QueueFetch(L"");
  FreeGame(card);
  EXPECT_EQ(model.hostName, L"Dealer");
  EXPECT_EQ(model.credits, L"0");
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::NotCreated);
  EXPECT_EQ(model.steps, kReadyToStart);
}

TEST_F(HostLookupTest, FreeGameWithoutAnnouncementOnlyMarksTheRegistration) {
  library.SetChat({kCredits, kPayouts});
  FreeGame(card);
  CardModel expected;
  expected.registered = true;
  EXPECT_EQ(model, expected);
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(HostLookupTest, FreeGameReadsCreditsAndPayoutsAfterItsMessage) {
  library.QueueFetch(kAnnouncement);
  library.SetChat(
      {kAnnouncement, L"ESP to Dealer: Register me!", kCredits, kPayouts});
  FreeGame(card);
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(model.payouts.values[15], L"16");
  EXPECT_EQ(library.fetches, 2);
}

} // namespace
} // namespace slots::game
