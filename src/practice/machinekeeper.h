#pragma once

#include "practice/keeper_habit.h"
#include "practice/practice_chat_text.h"
#include "practice/practice_clock.h"
#include "practice/practice_table_rules.h"
#include "practice/symbol_draw.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

namespace slots::practice {

// One game as the machinekeeper dealt it.
struct PracticeGame {
  int number = 0;
  Reels firstSpin{};
  // Empty until the player's holds are in.
  std::optional<Holds> holds;
  Reels finalSpin{};
  int balanceBefore = 0;
  int payout = 0;
  int balanceAfter = 0;
  bool finalSent = false;
};

// A machinekeeper that runs real games at the practice table: it registers
// the player, deals each game's first spin, takes the holds and a stake,
// pays by its own table and answers with the final spin after thinking a
// while. It deals the next game a while after the final, whatever the card
// does: like a real one, it does not watch the card. How long it takes, and
// how it speaks, is its habit.
class Machinekeeper {
public:
  static constexpr std::wstring_view kName = L"Marlowe";

  Machinekeeper(PracticeChatText &chat, std::uint32_t seed, KeeperHabit habit);

  // The opening public lines: who keeps the machine, the credits a player
  // gets, the stake and the payout table.
  void OpenTable();
  // A private message from the player.
  void HearPrivateMessage(std::wstring_view message, PracticeTime now);
  // Sends the final, and deals the next game, once their times have come.
  void RunDueActions(PracticeTime now);

  // When the keeper acts next on its own; empty while waiting for the
  // player.
  std::optional<PracticeTime> NextActionDue() const;
  // The game dealt last; empty before the first registration.
  const std::optional<PracticeGame> &CurrentGame() const { return game_; }
  // The game whose final went out last.
  const std::optional<PracticeGame> &FinishedGame() const { return finished_; }
  int Credits() const { return credits_; }
  const KeeperHabit &Habit() const { return habit_; }

private:
  enum class Step {
    Unregistered,
    AwaitingHolds,
    Thinking,
    // The final is in the chat; the next game is due.
    Dealing,
    OutOfCredits
  };

  void Register();
  void HearHolds(std::wstring_view message, PracticeTime now);
  void TakeHolds(const Holds &holds, PracticeTime now);
  void SendFinal(PracticeTime sentAt);
  void DealGame();
  Reels DrawReels();
  std::chrono::milliseconds DrawThinkingTime();
  void Say(std::wstring_view text);
  void Tell(std::wstring_view text);
  // Someone else at the table speaks up, now and then, when the keeper is
  // chatty.
  void LetOthersTalk();

  PracticeChatText &chat_;
  SymbolDraw draw_;
  // Thinking times and other people's talk, drawn apart from the symbols:
  // talk does not change the symbols a seed deals.
  std::mt19937 manner_;
  KeeperHabit habit_;
  Step step_ = Step::Unregistered;
  int credits_ = 0;
  int gamesDealt_ = 0;
  std::optional<PracticeGame> game_;
  std::optional<PracticeGame> finished_;
  PracticeTime due_{};
};

} // namespace slots::practice
