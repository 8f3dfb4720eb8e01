#pragma once

#include "practice/keeper_pace.h"
#include "practice/practice_chat_text.h"
#include "practice/practice_clock.h"
#include "practice/practice_table_rules.h"
#include "practice/symbol_draw.h"

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
// moment, at the pace it was given. It deals the next game once the card has
// fetched the chat with the final in it: dealt earlier, the new first spin
// would stand between the card and the final it looks for.
class Machinekeeper {
public:
  static constexpr std::wstring_view kName = L"Marlowe";

  Machinekeeper(PracticeChatText &chat, std::uint32_t seed, KeeperPace pace);

  // The opening public lines: who keeps the machine, the credits a player
  // gets, the stake and the payout table.
  void OpenTable();
  // A private message from the player.
  void HearPrivateMessage(std::wstring_view message, PracticeTime now);
  // Sends the final once its time has come.
  void RunDueActions(PracticeTime now);
  // The card has just been handed the whole chat text: when that text held
  // the final, the next game follows.
  void NoteChatFetched();

  // When the next final is due; empty while waiting for the player.
  std::optional<PracticeTime> NextActionDue() const;
  // The game dealt last; empty before the first registration.
  const std::optional<PracticeGame> &CurrentGame() const { return game_; }
  int Credits() const { return credits_; }

private:
  enum class Step {
    Unregistered,
    AwaitingHolds,
    Thinking,
    // The final is in the chat; the card has not fetched it yet.
    FinalSent,
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
  KeeperPace pace_;
  Step step_ = Step::Unregistered;
  int credits_ = 0;
  int gamesDealt_ = 0;
  std::optional<PracticeGame> game_;
  PracticeTime due_{};
};

} // namespace slots::practice
