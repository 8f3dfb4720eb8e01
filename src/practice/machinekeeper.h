#pragma once

#include "practice/practice_chat_text.h"
#include "practice/practice_clock.h"
#include "practice/practice_table_rules.h"
#include "practice/symbol_draw.h"

#include <chrono>
#include <cstdint>
#include <optional>
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
// moment, then deals the next game by itself.
class Machinekeeper {
public:
  static constexpr std::wstring_view kName = L"Marlowe";
  // Long enough that a Final pressed at once finds no final yet.
  static constexpr std::chrono::milliseconds kThinkingTime{1000};
  static constexpr std::chrono::milliseconds kPauseBeforeNextGame{700};

  Machinekeeper(PracticeChatText &chat, std::uint32_t seed);

  // The opening public lines: who keeps the machine, the credits a player
  // gets, the stake and the payout table.
  void OpenTable();
  // A private message from the player.
  void HearPrivateMessage(std::wstring_view message, PracticeTime now);
  // Sends the finals and deals the games whose time has come, in order.
  void RunDueActions(PracticeTime now);

  // When the next final or game is due; empty while waiting for the player.
  std::optional<PracticeTime> NextActionDue() const;
  // The game dealt last; empty before the first registration.
  const std::optional<PracticeGame> &CurrentGame() const { return game_; }
  int Credits() const { return credits_; }

private:
  enum class Step {
    Unregistered,
    AwaitingHolds,
    Thinking,
    BetweenGames,
    OutOfCredits
  };

  void Register();
  void HearHolds(std::wstring_view message, PracticeTime now);
  void TakeHolds(const Holds &holds, PracticeTime now);
  void SendFinal();
  void DealGame();
  Reels DrawReels();
  void Say(std::wstring_view text);
  void Tell(std::wstring_view text);

  PracticeChatText &chat_;
  SymbolDraw draw_;
  Step step_ = Step::Unregistered;
  int credits_ = 0;
  int gamesDealt_ = 0;
  std::optional<PracticeGame> game_;
  PracticeTime due_{};
};

} // namespace slots::practice
