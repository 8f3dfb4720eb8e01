#include "game/first_spin.h"

#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::EspFrom;
using testing::FirstSpinLine;
using testing::kHoldsStep;
using testing::kReadyToStart;

class StartTest : public CardTest {
protected:
  StartTest() { EnterReadyToStart(); }

  void ExpectIdleReels() const {
    for (const ReelLabel &reel : model.reels) {
      EXPECT_EQ(reel, ReelLabel());
    }
  }
  // Whether or not a spin was shown, the card moves on to the holds.
  void ExpectHoldsStepReached() const {
    EXPECT_EQ(sounds.startSounds, 1);
    EXPECT_EQ(model.steps, kHoldsStep);
  }
};

TEST_F(StartTest, ShowsTheFirstSpinFromAnySenderAndMovesToTheHolds) {
  library.SetChat(
      {L"Dealer: hello",
       EspFrom(L"Stranger",
               L"FIRST:" + testing::SpinField(L"05", L"09", L"14") + L":")});
  Start(card);
  EXPECT_EQ(model.reels[0], (ReelLabel{L"Gold Bar", L"05"}));
  EXPECT_EQ(model.reels[1], (ReelLabel{L"Bar", L"09"}));
  EXPECT_EQ(model.reels[2], (ReelLabel{L"Cherry", L"14"}));
  ExpectHoldsStepReached();
}

TEST_F(StartTest, RemembersTheWholeFirstSpinLineItShowed) {
  const std::wstring shown = FirstSpinLine(L"06", L"07", L"08");
  library.SetChat({shown, L"ESP to Dealer: FIRST: is that mine?"});
  Start(card);
  EXPECT_EQ(model.firstSpinLine, shown);
}

// A game opened at a line that carried no spin still ends there: a final
// older than it is an earlier game's.
TEST_F(StartTest, RemembersTheLineItOpenedTheGameAtEvenWithoutASpin) {
  const std::wstring chatter = L"Ann: hi";
  library.SetChat({chatter, L"ESP to Dealer: FIRST: is that mine?"});
  Start(card);
  EXPECT_EQ(model.firstSpinLine, chatter);
  ExpectIdleReels();
  ExpectHoldsStepReached();
}

TEST_F(StartTest, FindsTheNewestFirstSpinBehindLaterLines) {
  library.SetChat({FirstSpinLine(L"01", L"01", L"01"),
                   FirstSpinLine(L"02", L"03", L"04"), L"Ann: hi", L""});
  Start(card);
  EXPECT_EQ(model.reels[2].caption, L"7");
}

TEST_F(StartTest, StartSoundPlaysOnlyWhenSwitchedOn) {
  library.SetChat({FirstSpinLine(L"01", L"01", L"01")});
  model.options.startSound = false;
  Start(card);
  EXPECT_EQ(sounds.startSounds, 0);
  EXPECT_EQ(model.steps, kHoldsStep);
}

TEST_F(StartTest, OwnEchoedLineIsPassedOverForTheLineBeforeIt) {
  library.SetChat({FirstSpinLine(L"06", L"07", L"08"),
                   L"ESP to Dealer: FIRST: is that mine?"});
  Start(card);
  EXPECT_EQ(model.reels[0].caption, L"Diamond");
  ExpectHoldsStepReached();
}

TEST_F(StartTest, PrivateLinesThatCarryNoSpinLeaveTheReelsButTheGameMovesOn) {
  const std::wstring lines[] = {
      EspFrom(L"Dealer", L"Note:FIRST:R1 05R2 09R3 14:"), // other keyword
      EspFrom(L"Dealer", L"FIRST :R1 05R2 09R3 14:FIRST:"),
      L"ESP from Dealer:FIRST:R1 05R2 09R3 14:",     // no ": " after sender
      L"ESP from FIRST:x: no keyword",               // message without ":"
      EspFrom(L"Dealer", L"FIRST:R1 05R2 09R3 14")}; // spin field not closed
  for (const std::wstring &line : lines) {
    SCOPED_TRACE(line);
    EnterReadyToStart();
    sounds.startSounds = 0;
    library.SetChat({line});
    Start(card);
    ExpectIdleReels();
    ExpectHoldsStepReached();
  }
}

TEST_F(StartTest, ShortSpinFieldFillsWhatItCan) {
  library.SetChat({EspFrom(L"Dealer", L"FIRST:R1 05R2 9:")});
  Start(card);
  EXPECT_EQ(model.reels[0], (ReelLabel{L"Gold Bar", L"05"}));
  EXPECT_EQ(model.reels[1], (ReelLabel{L"Bar", L"9"}));
  EXPECT_EQ(model.reels[2], (ReelLabel{L"", L""}));
}

TEST_F(StartTest, AppliesOnlyTheNewestPayoutTable) {
  library.SetChat({L"Dealer: Payouts:1:1", FirstSpinLine(L"01", L"01", L"01"),
                   L"Dealer: Payouts:2:2"});
  Start(card);
  EXPECT_EQ(model.payouts.values[0], L"2");
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Hidden);
}

TEST_F(StartTest, WithoutAFirstSpinOnlyThePayoutTableIsApplied) {
  library.SetChat({L"Dealer: Payouts:2:2", L"Ann: hi"});
  Start(card);
  EXPECT_EQ(model.payouts.values[0], L"2");
  ExpectIdleReels();
  EXPECT_EQ(sounds.startSounds, 0);
  EXPECT_EQ(model.steps, kReadyToStart);
}

// An earlier click's walk stopped short of an earlier game's first spin; a
// fetch that delivers nothing must not go on from there.
TEST_F(StartTest, EmptyDeliveryFindsNoEarlierFirstSpin) {
  library.QueueFetch(testing::JoinLines(
      {FirstSpinLine(L"01", L"01", L"01"), L"Dealer: Payouts:2:2"}));
  ASSERT_TRUE(search.FetchChatText().FindNewestLineWith(L"Payouts:"));
  library.QueueFetch(L"");
  Start(card);
  ExpectIdleReels();
  EXPECT_EQ(model.payouts, PayoutTable());
  EXPECT_EQ(sounds.startSounds, 0);
  EXPECT_EQ(model.steps, kReadyToStart);
}

// A quick player presses Start before the machinekeeper dealt the next game:
// the finished game is not opened again. Only a final the card would take
// counts: a public line or, with only the machinekeeper's lines counting, a
// stranger's private line mentioning "FINAL:" ends no game.
TEST_F(StartTest, FinishedGameIsNeverOpenedAgain) {
  const std::wstring game = FirstSpinLine(L"01", L"02", L"03");
  const std::wstring holds = L"ESP to Dealer: I hold 1,0,1";
  library.SetChat({game, holds, L"Dealer: Payouts:2:2",
                   testing::FinalSpinLine(L"04", L"04", L"04", L"900")});
  Start(card);
  ExpectIdleReels();
  EXPECT_EQ(model.payouts.values[0], L"2");
  EXPECT_EQ(sounds.startSounds, 0);
  EXPECT_EQ(model.steps, kReadyToStart);

  model.options.onlyMyMachinekeeper = true;
  library.SetChat({game, holds, L"Ann: FINAL: what a game",
                   EspFrom(L"Ann", L"FINAL:R1 04R2 04R3 04:C=900;")});
  Start(card);
  EXPECT_EQ(model.reels[0].tag, L"01");
  ExpectHoldsStepReached();
}

TEST_F(StartTest, DoesNothingWithoutHostNameOrRegistration) {
  library.SetChat({FirstSpinLine(L"01", L"01", L"01")});
  model.hostName.clear();
  Start(card);
  EnterReadyToStart();
  model.registered = false;
  Start(card);
  EXPECT_EQ(library.fetches, 0);
  EXPECT_EQ(model.steps, kReadyToStart);
}

} // namespace
} // namespace slots::game
