// The practice chat client and its machinekeeper, played through the card's
// real actions.
#include "practice_card_rig.h"

#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/host_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace slots::practice {
namespace {

using testing::PracticeCardRig;
using testing::ReelsFor;

constexpr std::uint32_t kSeed = 1234;
const std::wstring kNoFinalYet =
    L"No Final spin found yet, if there is an error click Reset Card to start "
    L"over.";

// Start, the given holds and ESP Holds; the final is not yet asked for.
void PlayUpToHolds(PracticeCardRig &rig, const Holds &holds) {
  game::Start(rig.card);
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (holds[static_cast<std::size_t>(reel)]) {
      game::ToggleHold(rig.card, reel);
    }
  }
  game::EspHolds(rig.card);
}

// A whole game, Final pressed once the keeper has answered, and a wait for
// the next game to be dealt.
void PlayGame(PracticeCardRig &rig, const Holds &holds) {
  PlayUpToHolds(rig, holds);
  rig.Wait(kPromptHabit.shortestThinking);
  game::Final(rig.card);
  rig.Wait(kPromptHabit.dealingDelay);
}

TEST(PracticeTable, CardFindsTheKeeperTheCreditsAndTheTableAtFirstStart) {
  PracticeCardRig rig(kSeed);
  game::GetHost(rig.card);
  EXPECT_EQ(rig.model.hostName, L"Marlowe");

  rig.RegisterWithFreeGame();
  EXPECT_EQ(rig.model.credits, L"1000");
  for (std::size_t field = 0; field < kPayouts.size(); ++field) {
    EXPECT_EQ(rig.model.payouts.values[field],
              std::to_wstring(kPayouts[field]));
  }
  game::Start(rig.card);
  EXPECT_EQ(rig.DealtGame().number, 1);
  EXPECT_EQ(rig.model.reels, ReelsFor(rig.DealtGame().firstSpin));
  EXPECT_EQ(rig.model.steps, game::testing::kHoldsStep);
}

TEST(PracticeTable, KeeperKeepsTheHeldReelsAndPaysByItsTable) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {true, false, true});
  rig.Wait(kPromptHabit.shortestThinking);
  const PracticeGame game = rig.DealtGame();
  game::Final(rig.card);

  EXPECT_EQ(game.finalSpin[0], game.firstSpin[0]);
  EXPECT_EQ(game.finalSpin[2], game.firstSpin[2]);
  EXPECT_EQ(rig.model.reels, ReelsFor(game.finalSpin));
  EXPECT_EQ(rig.model.credits, std::to_wstring(kStartingCredits - kStake +
                                               PayoutFor(game.finalSpin)));
  EXPECT_EQ(rig.model.steps, game::testing::kReadyToStart);
  EXPECT_TRUE(rig.dialogs.notices.empty());
}

TEST(PracticeTable, FinalPressedWhileTheKeeperThinksShowsTheNoticeOnly) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {false, false, false});
  rig.Wait(kPromptHabit.shortestThinking / 2);
  const game::CardModel before = rig.model;
  game::Final(rig.card);
  EXPECT_EQ(rig.dialogs.notices,
            (std::vector<game::testing::Box>{{L"Resetting", kNoFinalYet}}));
  EXPECT_EQ(rig.model, before);

  rig.Wait(kPromptHabit.shortestThinking / 2);
  const PracticeGame held = rig.DealtGame();
  game::Final(rig.card);
  EXPECT_EQ(rig.model.reels, ReelsFor(held.finalSpin));
  EXPECT_EQ(rig.dialogs.notices.size(), 1u);
}

// Due after the thinking time exactly; a due final goes out before the
// keeper answers anything newer.
TEST(PracticeTable, KeeperAnswersOnTimeAndInOrder) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {false, false, false});
  rig.Wait(kPromptHabit.shortestThinking - std::chrono::milliseconds(1));
  EXPECT_FALSE(rig.DealtGame().finalSent);
  rig.clock.now += std::chrono::milliseconds(1);
  rig.connection.ChatSend(2, L"Marlowe", L"hello");
  const auto &lines = rig.client.ChatText().Lines();
  const auto final = std::find_if(lines.begin(), lines.end(), [](auto &line) {
    return line.starts_with(L"ESP from Marlowe: FINAL:");
  });
  EXPECT_LT(final - lines.begin(), lines.end() - lines.begin() - 1);
  EXPECT_TRUE(lines.back().starts_with(L"ESP from Marlowe: I understand"));
}

// Like a real machinekeeper, it does not watch the card: the next game comes
// a while after the final, fetched or not, and a Start pressed before it
// changes nothing.
TEST(PracticeTable, KeeperDealsTheNextGameAWhileAfterItsFinal) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {false, true, false});
  rig.Wait(kPromptHabit.shortestThinking);
  const PracticeGame held = rig.DealtGame();
  EXPECT_TRUE(held.finalSent);
  game::Final(rig.card);
  const game::CardModel finished = rig.model;
  game::Start(rig.card);
  EXPECT_EQ(rig.model, finished);

  rig.Wait(kPromptHabit.dealingDelay - std::chrono::milliseconds(1));
  EXPECT_EQ(rig.DealtGame().number, 1);
  rig.Wait(std::chrono::milliseconds(1));
  EXPECT_EQ(rig.DealtGame().number, 2);
  game::Start(rig.card);
  EXPECT_EQ(rig.model.reels, ReelsFor(rig.DealtGame().firstSpin));
}

TEST(PracticeTable, FinalPressedLongAfterTheKeeperAnsweredStillFindsIt) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {false, true, true});
  const int heldGame = rig.DealtGame().number;
  // The player looks away; the practice window's timer keeps running, and
  // the keeper deals the next game meanwhile.
  for (int second = 0; second < 60; ++second) {
    rig.Wait(std::chrono::seconds(1));
  }
  ASSERT_EQ(rig.DealtGame().number, heldGame + 1);
  const PracticeGame held = *rig.client.Keeper().FinishedGame();
  game::Final(rig.card);
  EXPECT_TRUE(rig.dialogs.notices.empty());
  EXPECT_EQ(rig.model.reels, ReelsFor(held.finalSpin));
}

TEST(PracticeTable, AtTheFastPaceTheKeeperAnswersAtOnceAndKeepsItsOrder) {
  PracticeCardRig rig(kSeed, kPromptHabit.WithoutWaiting());
  rig.RegisterWithFreeGame();
  int credits = kStartingCredits;
  for (int number = 1; number <= 3; ++number) {
    SCOPED_TRACE(number);
    PlayUpToHolds(rig, {true, false, false});
    const PracticeGame held = rig.DealtGame();
    ASSERT_EQ(held.number, number);
    // Final straight after the holds, with no time passing at all.
    game::Final(rig.card);
    EXPECT_TRUE(rig.dialogs.notices.empty());
    EXPECT_EQ(rig.model.reels, ReelsFor(held.finalSpin));
    credits += PayoutFor(held.finalSpin) - kStake;
    EXPECT_EQ(rig.model.credits, std::to_wstring(credits));
    // The next game followed its final in the same breath.
    EXPECT_EQ(rig.DealtGame().number, number + 1);
  }
}

TEST(PracticeTable, SecondHoldsInOneGameArePolitelyRefusedAndCostNothing) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayUpToHolds(rig, {true, false, false});
  const PracticeGame first = rig.DealtGame();
  game::ToggleHold(rig.card, 1);
  game::EspHolds(rig.card);
  EXPECT_EQ(rig.NewestChatLine(),
            L"ESP from Marlowe: Thank you, but your holds for game 1 are in "
            L"already.");
  EXPECT_EQ(rig.DealtGame().holds, first.holds);
  EXPECT_EQ(rig.client.Keeper().Credits(), first.balanceAfter);

  rig.Wait(kPromptHabit.shortestThinking);
  game::Final(rig.card);
  EXPECT_EQ(rig.model.credits, std::to_wstring(first.balanceAfter));
}

TEST(PracticeTable, SameSeedReplaysTheSameGamesAndAnotherSeedDoesNot) {
  const auto playFiveGames = [](std::uint32_t seed) {
    PracticeCardRig rig(seed);
    rig.RegisterWithFreeGame();
    for (int game = 0; game < 5; ++game) {
      PlayGame(rig, {game % 2 == 0, false, true});
    }
    return rig.client.ChatText().WholeText();
  };
  EXPECT_EQ(playFiveGames(kSeed), playFiveGames(kSeed));
  EXPECT_NE(playFiveGames(kSeed), playFiveGames(kSeed + 1));
}

TEST(PracticeTable, PlayerOutOfCreditsIsToldSoAndRegistersAgainForAFreshStake) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  // No holds lose steadily; the stake cannot last this long.
  for (int game = 0; game < 10000 && rig.client.Keeper().Credits() >= kStake;
       ++game) {
    PlayGame(rig, {false, false, false});
  }
  ASSERT_LT(rig.client.Keeper().Credits(), kStake);
  EXPECT_EQ(rig.model.credits, std::to_wstring(rig.client.Keeper().Credits()));
  EXPECT_EQ(rig.NewestChatLine(),
            L"ESP from Marlowe: You have run out of credits. Click Reset, then "
            L"Free Game, to register again for a fresh stake.");
  const int lastGame = rig.DealtGame().number;
  rig.Wait(std::chrono::minutes(1));
  EXPECT_EQ(rig.DealtGame().number, lastGame);

  game::ResetCard(rig.model);
  rig.RegisterWithFreeGame();
  EXPECT_EQ(rig.model.credits, L"1000");
  game::Start(rig.card);
  EXPECT_EQ(rig.DealtGame().number, lastGame + 1);
  EXPECT_EQ(rig.model.reels, ReelsFor(rig.DealtGame().firstSpin));
}

TEST(PracticeTable,
     RegisteringAgainMidGamePlaysOutTheHeldGameAndKeepsItsBalance) {
  PracticeCardRig rig(kSeed);
  rig.RegisterWithFreeGame();
  PlayGame(rig, {false, false, false});
  PlayUpToHolds(rig, {true, true, false});
  const int balance = rig.DealtGame().balanceAfter;

  game::ResetCard(rig.model);
  rig.RegisterWithFreeGame();
  EXPECT_EQ(rig.model.credits, std::to_wstring(balance));
  const auto &lines = rig.client.ChatText().Lines();
  EXPECT_EQ(std::ranges::count_if(lines,
                                  [](const std::wstring &line) {
                                    return line.find(L"FINAL:") !=
                                           std::wstring::npos;
                                  }),
            2);
  game::Start(rig.card);
  EXPECT_EQ(rig.DealtGame().number, 3);
  EXPECT_EQ(rig.model.reels, ReelsFor(rig.DealtGame().firstSpin));

  // A game without holds costs nothing yet: it is dropped for a new one.
  game::ResetCard(rig.model);
  rig.RegisterWithFreeGame();
  EXPECT_EQ(rig.model.credits, std::to_wstring(balance));
  EXPECT_EQ(rig.DealtGame().number, 4);
}

TEST(PracticeTable, KeeperAnswersMessagesItDoesNotKnowPolitely) {
  PracticeCardRig rig(kSeed);
  rig.connection.ChatSend(2, L"Marlowe", L"I hold 1,0,1");
  EXPECT_EQ(rig.NewestChatLine(),
            L"ESP from Marlowe: Please register first: send Register me!");

  rig.RegisterWithFreeGame();
  for (const std::wstring message :
       {L"hello", L"I hold 1,1", L"I hold 1,2,0", L"I hold 1,0,1 please"}) {
    rig.connection.ChatSend(2, L"Marlowe", message);
    EXPECT_TRUE(rig.NewestChatLine().starts_with(L"ESP from Marlowe: "))
        << message;
    EXPECT_FALSE(rig.DealtGame().holds.has_value()) << message;
  }
  PlayUpToHolds(rig, {false, false, true});
  EXPECT_EQ(rig.DealtGame().holds, (Holds{false, false, true}));
}

TEST(PracticeTable, ChatShowsTheLinesAsTheChatClientsWindowDoes) {
  PracticeCardRig rig(kSeed);
  rig.client.SayInPublic(L"hello table");
  rig.client.SayInPublic(L"   ");
  EXPECT_EQ(rig.NewestChatLine(), L"You: hello table");

  rig.connection.ChatSend(2, L"Bob", L"hi Bob");
  const auto &lines = rig.client.ChatText().Lines();
  EXPECT_EQ(lines[lines.size() - 2], L"ESP to Bob: hi Bob");
  EXPECT_EQ(lines.back(), L"Nobody called Bob is at the practice table.");

  rig.RegisterWithFreeGame();
  const std::wstring spin = SpinField(rig.DealtGame().firstSpin);
  const std::vector<std::wstring> registration(lines.end() - 4, lines.end());
  EXPECT_EQ(
      registration,
      (std::vector<std::wstring>{
          L"ESP to Marlowe: Register me!",
          L"ESP from Marlowe: You are registered. Amount of credits you "
          L"get: 1000",
          L"Marlowe: Your machinekeeper is Marlowe, game 1. " + PayoutLine(),
          L"ESP from Marlowe: FIRST:" + spin + L":game 1"}));

  for (std::size_t line = 0; line <= PracticeChatText::kKeptLines; ++line) {
    rig.client.SayInPublic(L"line " + std::to_wstring(line));
  }
  EXPECT_EQ(lines.size(), PracticeChatText::kKeptLines);
  EXPECT_EQ(lines.front(), L"You: line 1");
}

TEST(PracticeTable, NothingReachesTheChatBeforeTheLinkOpensOrAfterItCloses) {
  testing::FakePracticeClock clock;
  PracticeChatClient client(clock, kSeed);
  const std::wstring opening = client.ChatText().WholeText();
  client.DapiCommunicate(L"slotscard", 2, L"Marlowe", L"Register me!");
  EXPECT_EQ(client.ChatText().WholeText(), opening);

  chat::testing::NoPause pause;
  chat::ChatConnection connection(&client, L"slotscard", pause);
  ASSERT_TRUE(connection.OpenLink());
  connection.CloseLink();
  connection.ChatSend(2, L"Marlowe", L"Register me!");
  connection.ChatGetAllText();
  EXPECT_EQ(client.ChatText().WholeText(), opening);
  EXPECT_TRUE(connection.DapiText().IsEmpty());
}

} // namespace
} // namespace slots::practice
