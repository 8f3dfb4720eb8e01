// "Only My Machinekeeper": game lines from anyone but the name in the host
// box are passed over while it is checked; unchecked, the card takes game
// lines from anyone, as it always has.
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/host_announcement.h"
#include "game/host_lookup.h"

#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::CardTest;
using testing::EspFrom;
using testing::kHoldsStep;
using testing::kReadyToStart;
using testing::SpinField;

std::wstring FirstSpinFrom(const std::wstring &sender,
                           const std::wstring &code) {
  return EspFrom(sender, L"FIRST:" + SpinField(code, code, code) + L":");
}

std::wstring FinalSpinFrom(const std::wstring &sender, const std::wstring &code,
                           const std::wstring &balance) {
  return EspFrom(sender, L"FINAL:" + SpinField(code, code, code) + L":C=" +
                             balance + L";");
}

class OnlyMyMachinekeeperTest : public CardTest,
                                public ::testing::WithParamInterface<bool> {
protected:
  OnlyMyMachinekeeperTest() { model.options.onlyMyMachinekeeper = GetParam(); }
  bool OnlyMine() const { return GetParam(); }
};

TEST_P(OnlyMyMachinekeeperTest, GetHostTakesAnyAnnouncementForThePlayerToSee) {
  library.SetChat(
      {L"Ann: Your machinekeeper is Ann", L"Eve: Your machinekeeper is Eve"});
  GetHost(card);
  EXPECT_EQ(model.hostName, L"Eve");
}

TEST_P(OnlyMyMachinekeeperTest, FreeGameTakesCreditsAndPayoutsFromTheHost) {
  library.SetChat({L"Ann: Amount of credits you get: 250",
                   EspFrom(L"Ann", L"Payouts:1:2:3"),
                   L"Ann: Your machinekeeper is Ann",
                   L"Anne: Amount of credits you get: 1000000",
                   EspFrom(L"An", L"Payouts:9:9:9")});
  FreeGame(card);
  EXPECT_EQ(library.sent.back().user, L"Ann");
  EXPECT_EQ(model.credits, OnlyMine() ? L"250" : L"1000000");
  EXPECT_EQ(model.payouts.values[0], OnlyMine() ? L"1" : L"9");
  EXPECT_EQ(model.steps, kReadyToStart);
}

TEST_P(OnlyMyMachinekeeperTest, StartTakesTheFirstSpinAndPayoutsFromTheHost) {
  EnterReadyToStart();
  model.hostName = L"Ann";
  library.SetChat({L"Ann: Payouts:1:2:3", FirstSpinFrom(L"Ann", L"01"),
                   L"Eve: Payouts:9:9:9", FirstSpinFrom(L"Eve", L"14"),
                   L"Eve: lol FIRST: whatever"});
  Start(card);
  EXPECT_EQ(model.payouts.values[0], OnlyMine() ? L"1" : L"9");
  // The newest line holding "FIRST:" is public talk, which opens no game.
  EXPECT_EQ(model.reels[0].caption, OnlyMine() ? L"Bell" : L"Cherry");
  EXPECT_EQ(model.steps, kHoldsStep);
}

TEST_P(OnlyMyMachinekeeperTest, StartFindsNoFirstSpinOfAStranger) {
  EnterReadyToStart();
  model.hostName = L"Ann";
  library.SetChat(
      {FirstSpinFrom(L"Eve", L"14"), L"ESP to Ann: FIRST: where is it?"});
  Start(card);
  if (OnlyMine()) {
    EXPECT_EQ(model.steps, kReadyToStart);
    EXPECT_EQ(sounds.startSounds, 0);
  } else {
    EXPECT_EQ(model.reels[0].caption, L"Cherry");
    EXPECT_EQ(model.steps, kHoldsStep);
  }
}

// A game belongs to whoever sent its first spin, checked or not: a
// stranger's final, a "FINAL:" that is no spin and public talk neither end
// it nor keep Start from opening it. Names are compared whole and exactly.
TEST_P(OnlyMyMachinekeeperTest, OnlyTheOwnersFinalEndsTheGame) {
  const std::wstring firstSpin = FirstSpinFrom(L"Ann", L"01");
  const std::wstring others[] = {FinalSpinFrom(L"Eve", L"14", L"1000000"),
                                 FinalSpinFrom(L"Anna", L"14", L"7"),
                                 FinalSpinFrom(L"An", L"14", L"7"),
                                 FinalSpinFrom(L"ann", L"14", L"7"),
                                 EspFrom(L"Eve", L"FINAL: gotcha"),
                                 EspFrom(L"Ann", L"FINAL: soon"),
                                 L"Ann: FINAL:R1 14R2 14R3 14:C=7;",
                                 L"Ann: FINAL: who won?"};
  for (const std::wstring &other : others) {
    SCOPED_TRACE(other);
    model = CardModel();
    model.options.onlyMyMachinekeeper = OnlyMine();
    EnterReadyToStart();
    model.hostName = L"Ann";
    sounds.startSounds = 0;
    sounds.finalSounds.clear();
    dialogs.notices.clear();
    library.SetChat({firstSpin, other});
    Start(card);
    ASSERT_EQ(model.reels[0].caption, L"Bell");
    ASSERT_EQ(model.steps, kHoldsStep);
    model.steps = testing::kFinalStep;
    const CardModel before = model;
    Final(card);
    EXPECT_EQ(model, before);
    EXPECT_EQ(dialogs.notices.size(), 1u);
    EXPECT_TRUE(sounds.finalSounds.empty());

    library.SetChat({firstSpin, other, FinalSpinFrom(L"Ann", L"09", L"240")});
    Final(card);
    EXPECT_EQ(model.reels[0].caption, L"Bar");
    EXPECT_EQ(model.credits, L"240");
    EXPECT_EQ(model.steps, kReadyToStart);
  }
}

// Public talk opens no game, whoever speaks.
TEST_P(OnlyMyMachinekeeperTest, PublicFirstSpinOpensNoGame) {
  EnterReadyToStart();
  model.hostName = L"Ann";
  library.SetChat({L"Ann: FIRST:R1 05R2 09R3 14:", L"Bob: FIRST: is it on?"});
  Start(card);
  EXPECT_EQ(model.steps, kReadyToStart);
  EXPECT_EQ(sounds.startSounds, 0);
  EXPECT_FALSE(model.firstSpinLine);
}

// Without a first spin shown by Start, only the host's first spin bounds the
// first look.
TEST_P(OnlyMyMachinekeeperTest, StrangersFirstSpinDoesNotBoundTheFinal) {
  EnterFinalStep();
  model.hostName = L"Ann";
  library.SetChat(
      {FinalSpinFrom(L"Ann", L"09", L"240"), FirstSpinFrom(L"Eve", L"14")});
  Final(card);
  EXPECT_EQ(model.credits, L"240");
  EXPECT_EQ(library.fetches, OnlyMine() ? 1 : 2);
  EXPECT_TRUE(dialogs.notices.empty());
}

// Anyone can write the marker. Checked, an announcement counts only when it
// names its own speaker, and the question names whom the player registers
// with.
TEST_P(OnlyMyMachinekeeperTest, StrangerNamingTheMachinekeeperIsPassedOver) {
  library.SetChat({L"Marlowe: Your machinekeeper is Marlowe, game 4. Payouts:1",
                   L"Marlowe: Amount of credits you get: 250",
                   L"Eve: Your machinekeeper is Marlowe",
                   L"Eve: Amount of credits you get: 999999"});
  FreeGame(card);
  const std::wstring host = OnlyMine() ? L"Marlowe" : L"Eve";
  EXPECT_EQ(model.hostName, host);
  EXPECT_EQ(model.credits, OnlyMine() ? L"250" : L"999999");
  EXPECT_EQ(dialogs.questions.back().text,
            OnlyMine() ? L"Would you like to send registration request ESP "
                         L"to Marlowe?"
                       : L"Would you like to send registration request ESP?");
  EXPECT_EQ(library.sent.back().user, host);
}

// Checked, the question names whom the player would register with; a No
// turns that name down: the host box stays as it was and nothing is taken
// from that name. Unchecked, the answer changes nothing but the message.
TEST_P(OnlyMyMachinekeeperTest, TurnedDownMachinekeeperGivesNothing) {
  for (const std::wstring typed : {L"", L"Eve"}) {
    SCOPED_TRACE(typed);
    model = CardModel();
    model.options.onlyMyMachinekeeper = OnlyMine();
    model.hostName = typed;
    library.SetChat({L"Eve: Your machinekeeper is Eve",
                     L"Eve: Amount of credits you get: 999",
                     L"Eve: Payouts:9:9"});
    dialogs.answer = CardDialogs::kAnswerNo;
    FreeGame(card);
    EXPECT_TRUE(library.sent.empty());
    EXPECT_EQ(model.hostName, OnlyMine() ? typed : L"Eve");
    EXPECT_EQ(model.credits, OnlyMine() ? L"0" : L"999");
    EXPECT_EQ(model.payouts.values[0], OnlyMine() ? L"" : L"9");
    EXPECT_EQ(model.steps, kReadyToStart);
  }
}

// Without a speaker there is no one to register with; unchecked, lines from
// anyone still fill the card.
TEST_P(OnlyMyMachinekeeperTest, AnnouncementWithoutSpeakerSendsNothing) {
  library.SetChat(
      {L"Your machinekeeper is Eve", L"Eve: Amount of credits you get: 70"});
  FreeGame(card);
  EXPECT_EQ(model.hostName, L"");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(library.sent.empty());
  EXPECT_EQ(model.credits, OnlyMine() ? L"0" : L"70");
}

TEST(HostAnnouncementTest, NameEndsWhereTheMachinekeeperGoesOn) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"M: Your machinekeeper is Marlowe, game 4. Payouts:1", L"Marlowe"},
      {L"Welcome! Your machinekeeper is Marlowe.", L"Marlowe"},
      {L"Your machinekeeper is  Tamsk Velk ! hi", L"Tamsk Velk"},
      {L"Your machinekeeper is Mr.Smith. Enjoy", L"Mr.Smith"},
      {L"Your machinekeeper is Ann; Bob (Eve)?", L"Ann"},
      {L"Your machinekeeper is ", L""},
      {L"Your machinekeeper is :Ann", L""},
      {L"Your machinekeeperis Ann", L""}};
  for (const auto &[line, name] : cases) {
    EXPECT_EQ(NameAfterHostMarker(line), name) << "line " << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Option, OnlyMyMachinekeeperTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool> &info) {
                           return info.param ? "Checked" : "Unchecked";
                         });

} // namespace
} // namespace slots::game
