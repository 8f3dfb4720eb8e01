#pragma once

#include "game/card_interfaces.h"
#include "game/game_record.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace slots::game {

class GameClock {
public:
  virtual ~GameClock() = default;
  virtual std::int64_t SecondsSinceEpoch() const = 0;
};

// The system's clock, in UTC.
class SystemGameClock final : public GameClock {
public:
  std::int64_t SecondsSinceEpoch() const override;
};

// Told of each game as it ends, e.g. to keep it in a file.
class GameEndedListener {
public:
  virtual ~GameEndedListener() = default;
  virtual void GameEnded(const GameRecord &record) = 0;
  // The newest game number kept elsewhere, e.g. in a file: numbering goes
  // on after it.
  virtual std::int64_t LastKeptGameNumber() { return 0; }
};

// The evening's games, fed by the game actions at their steps. Recording
// only copies a few fields of the model: no chat request, no waiting.
class GameHistory {
public:
  // Older games are let go beyond this many; the list stays quick to show.
  static constexpr std::size_t kHeldGames = 10000;

  GameHistory(const GameClock &clock, bool practice)
      : clock_(clock), practice_(practice) {}

  void SetListener(GameEndedListener *listener) { listener_ = listener; }
  // Games of earlier evenings, oldest first; numbering goes on after them.
  void AddEarlierGames(const std::vector<GameRecord> &records);

  // `shown` is what the reels showed: the action that read the spin hands
  // it on, so the record never reads the line or the reels' codes again.
  void NoteGameStarted(const CardModel &model, const SpinSymbols &shown);
  void NoteHoldsSent(const CardModel &model);
  void NoteFinalShown(const CardModel &model, const SpinSymbols &shown);
  void NoteCardReset(const CardModel &model);

  // Oldest first.
  const std::deque<GameRecord> &Records() const { return records_; }
  // Counts every game that ended, so a window can tell it is behind.
  std::uint64_t Revision() const { return revision_; }

private:
  void EndGame(GameRecord record);

  const GameClock &clock_;
  bool practice_;
  GameEndedListener *listener_ = nullptr;
  std::deque<GameRecord> records_;
  std::int64_t lastNumber_ = 0;
  std::uint64_t revision_ = 0;
  // The game Start opened, with the balance it began from.
  std::optional<GameRecord> pending_;
  std::wstring balanceBefore_;
};

// The actions' hooks; nothing happens when the card keeps no history.
inline void RecordGameStarted(CardContext &card, const SpinSymbols &shown) {
  if (card.history != nullptr) {
    card.history->NoteGameStarted(card.model, shown);
  }
}
inline void RecordHoldsSent(CardContext &card) {
  if (card.history != nullptr) {
    card.history->NoteHoldsSent(card.model);
  }
}
inline void RecordFinalShown(CardContext &card, const SpinSymbols &shown) {
  if (card.history != nullptr) {
    card.history->NoteFinalShown(card.model, shown);
  }
}
inline void RecordCardReset(CardContext &card) {
  if (card.history != nullptr) {
    card.history->NoteCardReset(card.model);
  }
}

// The figures of the summary line.
struct HistorySummary {
  std::size_t games = 0;
  std::size_t wins = 0;
  std::size_t finished = 0; // wins and losses; reset games have no outcome
  std::int64_t net = 0;     // sum of the changes that are known
  std::optional<std::int64_t> bestWin;
};
HistorySummary Summarize(const std::deque<GameRecord> &records);
// "Games: 3   Wins: 1 (33%)   Net: -100   Best win: +200".
std::wstring SummaryLine(const HistorySummary &summary);
// A change with its sign: "+200", "-100", "0".
std::wstring SignedNumber(std::int64_t value);

} // namespace slots::game
