#include "game/final_spin.h"

#include "game/first_spin.h"
#include "game_fakes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::EspFrom;
using testing::FinalSpinLine;
using testing::FirstSpinLine;
using testing::kReadyToStart;

const std::wstring kEchoedHolds = L"ESP to Dealer: I hold 1,0,1";

class FinalTest : public CardTest {
protected:
  FinalTest() {
    EnterFinalStep();
    model.holds = {true, false, true};
  }

  void ExpectNoticeAndNothingChanged(const CardModel &before) const {
    EXPECT_EQ(dialogs.notices,
              (std::vector<testing::Box>{
                  {L"Resetting", L"No Final spin found yet, if there is an "
                                 L"error click Reset Card to start over."}}));
    EXPECT_EQ(model, before);
    EXPECT_TRUE(sounds.finalSounds.empty());
  }
  void ExpectGameEnded() const {
    EXPECT_EQ(model.steps, kReadyToStart);
    EXPECT_EQ(model.holds, (std::array<bool, 3>{}));
    EXPECT_FALSE(model.firstSpinLine);
  }
  // Start shows the first spin, and the holds are then sent.
  void PlayFirstSpin(const std::wstring &firstSpin) {
    EnterReadyToStart();
    library.SetChat({firstSpin});
    Start(card);
    ASSERT_EQ(model.firstSpinLine, firstSpin);
    model.steps = testing::kFinalStep;
    model.holds = {true, false, true};
  }
};

TEST_F(FinalTest, ShowsTheFinalSpinAndBalancePlaysTheWinSoundAndEndsTheGame) {
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"), kEchoedHolds,
                   FinalSpinLine(L"01", L"01", L"01", L"250"), L"Ann: gg"});
  Final(card);
  for (const ReelLabel &reel : model.reels) {
    EXPECT_EQ(reel, (ReelLabel{L"Bell", L"01"}));
  }
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(sounds.finalSounds, std::vector<Outcome>{Outcome::Win});
  ExpectGameEnded();
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(FinalTest, PlayerWithTenThousandCreditsOrMoreSeesThem) {
  library.SetChat({FinalSpinLine(L"01", L"02", L"03", L"12345678")});
  Final(card);
  EXPECT_EQ(model.credits, L"12345678");
}

TEST(BalanceTest, BalanceIsTheCreditFieldFromItsThirdCharacterBarTheLast) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C=250;", L"250"},   {L"C=12345;", L"12345"},
      {L"x(12):z", L"12):"}, {L"C=5;", L"5"},
      {L"C=;", L""},         {L"C=", L""},
      {L"C", L""},           {L"", L""}};
  for (const auto &[field, balance] : cases) {
    EXPECT_EQ(BalanceFromCreditField(field), balance) << "field " << field;
  }
}

TEST(OutcomeTest, OnlyThreeEqualSymbolsOrACherryWin) {
  using Tags = std::tuple<std::wstring, std::wstring, std::wstring>;
  const std::pair<Tags, Outcome> cases[] = {
      {{L"07", L"07", L"07"}, Outcome::Win},
      {{L"01", L"05", L"14"}, Outcome::Win},
      {{L"xx", L"", L"14"}, Outcome::Win},
      {{L"05", L" 5", L"5."}, Outcome::Win},
      {{L"02", L"01", L"03"}, Outcome::Loss}, // same mean, different symbols
      {{L"03", L"03", L"04"}, Outcome::Loss},
      {{L"", L"", L""}, Outcome::Loss}, // codes that are no number
      {{L"1x", L"1x", L"1x"}, Outcome::Loss},
      {{L".5", L".5", L".5"}, Outcome::Loss},
      {{L"1.5", L"1.5", L"1.5"}, Outcome::Loss}, // no whole symbol code
      {{L"14.5", L"02", L"03"}, Outcome::Loss},
      {{L"4.0", L"4", L"04"}, Outcome::Win},
      {{L"00", L"00", L"00"}, Outcome::Loss}, // three blank reels
      {{L"15", L"15", L"15"}, Outcome::Loss},
      {{L"-1", L"-1", L"-1"}, Outcome::Loss}};
  for (const auto &[tags, outcome] : cases) {
    CardModel model;
    std::tie(model.reels[0].tag, model.reels[1].tag, model.reels[2].tag) = tags;
    EXPECT_EQ(JudgeOutcome(model), outcome)
        << "first tag " << model.reels[0].tag;
  }
}

TEST_F(FinalTest, ShortFinalSpinFieldBlanksReelsAndLoses) {
  library.SetChat({EspFrom(L"Dealer", L"FINAL:R1 01:C=90;")});
  Final(card);
  EXPECT_EQ(model.reels[0].caption, L"Bell");
  EXPECT_EQ(model.reels[2], (ReelLabel{L"", L""}));
  EXPECT_EQ(sounds.finalSounds, std::vector<Outcome>{Outcome::Loss});
  EXPECT_EQ(model.credits, L"90");
}

TEST_F(FinalTest, FinalSoundSwitchedOffStaysSilentButTheGameEnds) {
  library.SetChat({FinalSpinLine(L"14", L"14", L"14", L"10")});
  model.options.finalSound = false;
  Final(card);
  EXPECT_TRUE(sounds.finalSounds.empty());
  ExpectGameEnded();
}

// Only a final spin ends a game: talk that mentions the marker, in public
// or in private, the player's own echo and lines that cannot be taken apart
// are passed over.
TEST_F(FinalTest, LinesThatCarryNoFinalSpinArePassedOver) {
  const std::wstring lines[] = {
      L"ESP to Dealer: FINAL:R1 01R2 01R3 01:C=250;", // own echoed line
      L"Ann: FINAL:R1 01R2 01R3 01:C=250;",
      EspFrom(L"Dealer", L"Note:FINAL:R1 01R2 01R3 01:C=250;"),
      L"ESP from Dealer:FINAL:R1 01R2 01R3 01:C=250;", // no ": " after sender
      L"ESP from FINAL:x: no keyword",                 // message without ":"
      EspFrom(L"Dealer", L"FINAL:R1 01R2 01R3 01"),    // spin field not closed
      L"ESP to Dealer: FIRST: or FINAL:?"};
  for (const std::wstring &line : lines) {
    SCOPED_TRACE(line);
    EnterFinalStep();
    dialogs.notices.clear();
    library.SetChat({FirstSpinLine(L"14", L"02", L"03"), line});
    const CardModel before = model;
    Final(card);
    ExpectNoticeAndNothingChanged(before);
  }
}

TEST_F(FinalTest, FinalNotYetSentShowsTheNoticeAndChangesNothing) {
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"), kEchoedHolds});
  const CardModel before = model;
  Final(card);
  ExpectNoticeAndNothingChanged(before);
  EXPECT_EQ(library.fetches, 2);
}

// A machinekeeper that deals the next game's first spin right after the
// final: the final of the game Start showed is still this game's.
TEST_F(FinalTest, EagerNextFirstSpinDoesNotHideThisGamesFinal) {
  const std::wstring game1 = FirstSpinLine(L"01", L"02", L"03");
  PlayFirstSpin(game1);
  library.SetChat({game1, kEchoedHolds,
                   FinalSpinLine(L"04", L"04", L"04", L"900"),
                   FirstSpinLine(L"05", L"06", L"07")});
  Final(card);
  EXPECT_EQ(model.reels[0], (ReelLabel{L"7", L"04"}));
  EXPECT_EQ(model.credits, L"900");
  EXPECT_EQ(sounds.finalSounds, std::vector<Outcome>{Outcome::Win});
  ExpectGameEnded();
  EXPECT_TRUE(dialogs.notices.empty());
}

// A machinekeeper that has not answered yet: the final in the chat is the
// previous game's.
TEST_F(FinalTest, PreviousGamesFinalIsNotShownAsThisGames) {
  const std::wstring game1 = FirstSpinLine(L"05", L"06", L"07");
  PlayFirstSpin(game1);
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"),
                   FinalSpinLine(L"04", L"04", L"04", L"900"), game1,
                   kEchoedHolds});
  const CardModel before = model;
  const int fetchesBefore = library.fetches;
  Final(card);
  ExpectNoticeAndNothingChanged(before);
  EXPECT_EQ(library.fetches - fetchesBefore, 2); // one for each look
}

TEST_F(FinalTest, FinalArrivingBetweenTheTwoLooksIsShown) {
  const std::wstring game1 = FirstSpinLine(L"01", L"02", L"03");
  PlayFirstSpin(game1);
  library.QueueFetch(testing::JoinLines(
      {FinalSpinLine(L"04", L"04", L"04", L"900"), game1, kEchoedHolds}));
  library.SetChat({FinalSpinLine(L"04", L"04", L"04", L"900"), game1,
                   kEchoedHolds, FinalSpinLine(L"09", L"09", L"09", L"70")});
  Final(card);
  EXPECT_EQ(model.reels[0].caption, L"Bar");
  EXPECT_EQ(model.credits, L"70");
  ExpectGameEnded();
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(FinalTest, StrayFirstSpinMarkersNewerThanTheFinalDoNotHideIt) {
  const std::wstring game1 = FirstSpinLine(L"01", L"02", L"03");
  PlayFirstSpin(game1);
  library.SetChat({game1, FinalSpinLine(L"09", L"09", L"09", L"70"),
                   L"Eve: lol FIRST: whatever",
                   EspFrom(L"Eve", L"FIRST:R1 14R2 14R3 14:")});
  Final(card);
  EXPECT_EQ(model.reels[0].caption, L"Bar");
  EXPECT_EQ(model.credits, L"70");
  ExpectGameEnded();
}

// A machinekeeper whose first spins carry nothing unique deals the next game
// word for word like this one: Start's place in the chat still tells the two
// apart. Where the chat no longer shows that place, the newer copy bounds the
// walk and the player gets the notice.
TEST_F(FinalTest, AlikeFirstSpinsAreToldApartByWhereStartFoundThem) {
  const std::wstring game = FirstSpinLine(L"01", L"02", L"03");
  const std::wstring earlier = FinalSpinLine(L"05", L"05", L"05", L"100");
  const std::wstring payouts = L"Dealer: Payouts:2:2";
  EnterReadyToStart();
  library.SetChat({payouts, earlier, payouts, game});
  Start(card);
  model.steps = testing::kFinalStep;
  const CardModel started = model;

  library.SetChat({payouts, earlier, payouts, game, kEchoedHolds,
                   FinalSpinLine(L"09", L"09", L"09", L"70"), payouts, game});
  Final(card);
  EXPECT_EQ(model.credits, L"70");
  ExpectGameEnded();

  model = started;
  sounds.finalSounds.clear();
  library.SetChat({game, FinalSpinLine(L"09", L"09", L"09", L"70"), game});
  Final(card);
  ExpectNoticeAndNothingChanged(started);
}

// Without a first spin to bound the walk, a final the card has shown before
// is an earlier game's: the player is told to wait instead of seeing it again.
TEST_F(FinalTest, FinalShownForAnEarlierGameIsNeverShownAgain) {
  const std::wstring shown = FinalSpinLine(L"09", L"09", L"09", L"70");
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"), kEchoedHolds, shown});
  Final(card);
  ASSERT_EQ(model.credits, L"70");

  EnterFinalStep();
  sounds.finalSounds.clear();
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"), kEchoedHolds, shown,
                   L"Ann: FIRST: nobody's spin", kEchoedHolds});
  const CardModel before = model;
  Final(card);
  ExpectNoticeAndNothingChanged(before);
}

// A first spin whose text also holds "FINAL:" bounds the walk; it is never
// taken for this game's final.
TEST_F(FinalTest, RememberedFirstSpinHoldingTheFinalMarkerIsNoFinal) {
  const std::wstring game1 =
      EspFrom(L"Dealer", L"FIRST:" + testing::SpinField(L"01", L"02", L"03") +
                             L":FINAL: comes after your holds");
  model.firstSpinLine = game1;
  library.SetChat(
      {FinalSpinLine(L"04", L"04", L"04", L"900"), game1, kEchoedHolds});
  const CardModel before = model;
  Final(card);
  ExpectNoticeAndNothingChanged(before);
}

// When Start showed no first spin, the second look passes every first spin
// and takes the newest final in the chat.
TEST_F(FinalTest, WithoutARememberedFirstSpinTheSecondLookTakesAnyFinal) {
  library.SetChat({FirstSpinLine(L"01", L"02", L"03"),
                   FinalSpinLine(L"04", L"04", L"04", L"900"),
                   FirstSpinLine(L"05", L"06", L"07"), kEchoedHolds});
  Final(card);
  EXPECT_EQ(model.reels[0].caption, L"7");
  EXPECT_EQ(model.credits, L"900");
  ExpectGameEnded();
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(library.fetches, 2);
}

TEST_F(FinalTest, SecondLookDeliveringNothingShowsTheNotice) {
  library.QueueFetch(
      testing::JoinLines({FinalSpinLine(L"04", L"04", L"04", L"900"),
                          FirstSpinLine(L"05", L"06", L"07")}));
  library.QueueFetch(L"");
  const CardModel before = model;
  Final(card);
  ExpectNoticeAndNothingChanged(before);
}

TEST_F(FinalTest, EmptyDeliveryDoesNotReviveTheWalkOfStart) {
  library.SetChat({FinalSpinLine(L"04", L"04", L"04", L"900"),
                   FirstSpinLine(L"05", L"06", L"07")});
  ASSERT_TRUE(search.FetchChatText().FindNewestLineWith(L"FIRST:"));
  library.QueueFetch(L"");
  const CardModel before = model;
  Final(card);
  EXPECT_EQ(model, before);
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(FinalTest, ChatWithoutSpinLinesOrHostNameChangesNothing) {
  library.SetChat({L"Ann: hi"});
  const CardModel before = model;
  Final(card);
  model.hostName.clear();
  Final(card);
  model.hostName = before.hostName;
  EXPECT_EQ(model, before);
  EXPECT_EQ(library.fetches, 1);
  EXPECT_TRUE(dialogs.notices.empty());
}

} // namespace
} // namespace slots::game
