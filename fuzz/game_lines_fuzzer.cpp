// Plays whole games against a chat window that holds any text: the
// machinekeeper's announcement, credits, "Payouts:", FIRST and FINAL lines
// are read by the card's own actions, with everything the card attaches to
// them: the game history and its file's lines, the payout table and the
// sounds. Nothing may fail, what the card shows comes from the chat, and
// every game recorded reads back from its line as it was written. With Wait
// For The Machinekeeper on, the card also looks by itself, up to the end of
// the longest wait.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "chat/scripted_chat_library.h"
#include "fuzz_input.h"
#include "game/card_interfaces.h"
#include "game/card_model.h"
#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/game_history.h"
#include "game/game_history_csv.h"
#include "game/holds.h"
#include "game/host_lookup.h"
#include "game/machinekeeper_wait.h"
#include "game/payout_word.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace slots;

class Answer final : public game::CardDialogs {
public:
  explicit Answer(int answer) : answer_(answer) {}
  int ShowYesNoBox(const std::wstring &, const std::wstring &) override {
    return answer_;
  }
  void ShowNotice(const std::wstring &, const std::wstring &) override {}

private:
  int answer_;
};

class Silence final : public game::CardSounds {
public:
  void PlayStartSound() override {}
  void PlayHoldSound() override {}
  void PlayFinalSound(game::Outcome) override {}
};

class FixedClock final : public game::GameClock {
public:
  std::int64_t SecondsSinceEpoch() const override { return 1796738759; }
};

// Writes each game as the history file would and reads it back.
class LineKeeper final : public game::GameEndedListener {
public:
  void GameEnded(const game::GameRecord &record) override {
    fuzz::Require(game::ParseHistoryCsvLine(game::HistoryCsvLine(record)) ==
                  record);
    game::SpinText(record.firstSpin);
    game::TablePaysFor({}, record.finalSpin);
  }
};

class StepClock final : public game::WaitClock {
public:
  std::chrono::milliseconds now{0};
  std::chrono::milliseconds Now() const override { return now; }
};

bool IsPartOf(const std::wstring &shown, const std::wstring &chat) {
  return shown.empty() || chat.find(shown) != std::wstring::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  chat::testing::ScriptedChatLibrary library;
  library.chatText = fuzz::WideTextOf(data, size);
  chat::testing::NoPause pause;
  chat::ChatConnection connection(&library, L"slotscard", pause);
  connection.OpenLink();
  chat::ChatLineSearch search(connection);
  // The input's size picks the options, the answer and the held reel, so
  // the same chat text plays every way.
  Answer dialogs(size % 2 == 0 ? game::CardDialogs::kAnswerYes
                               : game::CardDialogs::kAnswerNo);
  Silence sounds;
  FixedClock clock;
  game::GameHistory history(clock, false);
  LineKeeper keeper;
  history.SetListener(&keeper);
  game::CardModel model;
  model.options.onlyMyMachinekeeper = size % 4 >= 2;
  model.options.waitForMachinekeeper = size % 8 >= 4;
  game::CardContext card{model, search, dialogs, sounds, &history};
  StepClock waitClock;
  game::MachinekeeperWait wait(waitClock);
  const auto letTimePass = [&](std::chrono::milliseconds time) {
    waitClock.now += time;
    wait.Tick(card);
  };

  game::GetHost(card);
  game::FreeGame(card);
  for (int round = 0; round < 2; ++round) {
    wait.ClickStart(card);
    letTimePass(game::MachinekeeperWait::kLookEvery);
    game::ToggleHold(card, static_cast<int>(size % 3));
    wait.ClickEspHolds(card);
    letTimePass(game::MachinekeeperWait::kLookEvery);
    wait.ClickFinal(card);
    letTimePass(game::MachinekeeperWait::kLongestWait);
    fuzz::Require(wait.Awaited() == game::AwaitedLine::Nothing);
  }

  fuzz::Require(IsPartOf(model.hostName, library.chatText));
  fuzz::Require(model.credits == L"0" ||
                IsPartOf(model.credits, library.chatText));
  for (const game::ReelLabel &reel : model.reels) {
    fuzz::Require(IsPartOf(reel.tag, library.chatText));
  }
  game::ResetCard(card);
  return 0;
}
