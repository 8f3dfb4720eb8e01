#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "chat/scripted_chat_library.h"
#include "game/card_interfaces.h"
#include "game/card_model.h"
#include "game/game_fakes.h"
#include "game/host_lookup.h"
#include "game/reel_symbols.h"
#include "practice/practice_chat_client.h"
#include "practice/practice_table_rules.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace slots::practice::testing {

class FakePracticeClock final : public PracticeClock {
public:
  PracticeTime now{};
  PracticeTime Now() const override { return now; }
};

// The card's real actions linked to the practice chat client, wired as the
// card program wires them, with a clock the test moves on.
class PracticeCardRig {
public:
  explicit PracticeCardRig(std::uint32_t seed, KeeperHabit habit = kPromptHabit)
      : client(clock, seed, habit) {
    connection.OpenLink();
  }

  // Lets time pass; the machinekeeper acts as the practice window's timer
  // would let it.
  void Wait(std::chrono::milliseconds duration) {
    clock.now += duration;
    client.DeliverDueLines();
  }
  // Free Game, answering Yes to the registration question.
  void RegisterWithFreeGame() {
    dialogs.answer = game::CardDialogs::kAnswerYes;
    game::FreeGame(card);
  }
  const PracticeGame &DealtGame() const {
    return *client.Keeper().CurrentGame();
  }
  std::wstring NewestChatLine() const {
    return client.ChatText().Lines().back();
  }

  FakePracticeClock clock;
  PracticeChatClient client;
  chat::testing::NoPause pause;
  chat::ChatConnection connection{&client, L"slotscard", pause};
  chat::ChatLineSearch search{connection};
  game::CardModel model;
  game::testing::FakeDialogs dialogs;
  game::testing::FakeSounds sounds;
  game::CardContext card{model, search, dialogs, sounds};
};

inline std::wstring TwoDigitCode(int code) {
  return (code < 10 ? L"0" : L"") + std::to_wstring(code);
}

// The reels as the card shows them for the dealt codes.
inline std::array<game::ReelLabel, kReelCount> ReelsFor(const Reels &codes) {
  std::array<game::ReelLabel, kReelCount> reels;
  for (std::size_t reel = 0; reel < codes.size(); ++reel) {
    const std::wstring code = TwoDigitCode(codes[reel]);
    reels[reel] = {std::wstring(game::SymbolNameForCode(code)), code};
  }
  return reels;
}

} // namespace slots::practice::testing
