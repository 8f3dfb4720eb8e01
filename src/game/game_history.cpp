#include "game/game_history.h"

#include "chat/chat_text_reader.h"
#include "game/final_spin.h"
#include "game/payout_word.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace slots::game {
namespace {

// Twelve digits keep every sum of changes of the games held far from
// overflow.
constexpr std::size_t kLongestBalance = 12;

// A text from the chat or the player may hold anything; a record's texts go
// into one line of a file and one cell of a list, up to a thousand times,
// so a kept text is short and has no control characters.
std::wstring KeptText(std::wstring_view text) {
  std::wstring clean(text.substr(0, GameRecord::kLongestText));
  std::replace_if(
      clean.begin(), clean.end(),
      [](wchar_t c) { return c < L' ' || c == L'\x7f'; }, L' ');
  return clean;
}

} // namespace

std::int64_t SystemGameClock::SecondsSinceEpoch() const {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::optional<std::int64_t> BalanceValue(std::wstring_view balance) {
  const bool negative = balance.starts_with(L'-');
  if (negative) {
    balance.remove_prefix(1);
  }
  if (!chat::IsAllDigits(balance) || balance.size() > kLongestBalance) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  for (const wchar_t c : balance) {
    value = value * 10 + (c - L'0');
  }
  return negative ? -value : value;
}

void GameHistory::AddEarlierGames(const std::vector<GameRecord> &records) {
  for (const GameRecord &record : records) {
    records_.push_back(record);
    lastNumber_ = std::max(lastNumber_, record.number);
  }
  while (records_.size() > kHeldGames) {
    records_.pop_front();
  }
  ++revision_;
}

void GameHistory::NoteGameStarted(const CardModel &model,
                                  const SpinSymbols &shown) {
  GameRecord record;
  record.host = KeptText(model.hostName);
  record.practice = practice_;
  record.firstSpin = shown;
  pending_ = std::move(record);
  balanceBefore_ = model.credits;
}

void GameHistory::NoteHoldsSent(const CardModel &model) {
  if (pending_) {
    pending_->held = model.holds;
  }
}

void GameHistory::NoteFinalShown(const CardModel &model,
                                 const SpinSymbols &shown) {
  if (!pending_) {
    return;
  }
  GameRecord record = std::move(*pending_);
  pending_.reset();
  record.finalSpin = shown;
  record.result =
      JudgeOutcome(model) == Outcome::Win ? GameResult::Win : GameResult::Loss;
  record.balance = KeptText(model.credits);
  const auto after = BalanceValue(model.credits);
  const auto before = BalanceValue(balanceBefore_);
  if (after && before) {
    record.change = *after - *before;
  }
  record.tablePays = KeptText(TablePaysFor(model.payouts, record.finalSpin));
  EndGame(std::move(record));
}

void GameHistory::NoteCardReset(const CardModel &) {
  if (!pending_) {
    return;
  }
  GameRecord record = std::move(*pending_);
  pending_.reset();
  record.result = GameResult::Reset;
  EndGame(std::move(record));
}

void GameHistory::EndGame(GameRecord record) {
  if (listener_ != nullptr) {
    lastNumber_ = std::max(lastNumber_, listener_->LastKeptGameNumber());
  }
  record.number = ++lastNumber_;
  record.time = clock_.SecondsSinceEpoch();
  if (records_.size() == kHeldGames) {
    records_.pop_front();
  }
  records_.push_back(std::move(record));
  ++revision_;
  if (listener_ != nullptr) {
    listener_->GameEnded(records_.back());
  }
}

HistorySummary Summarize(const std::deque<GameRecord> &records) {
  HistorySummary summary;
  summary.games = records.size();
  for (const GameRecord &record : records) {
    if (record.result != GameResult::Reset) {
      ++summary.finished;
    }
    if (record.result == GameResult::Win) {
      ++summary.wins;
    }
    if (record.change) {
      summary.net += *record.change;
      if (*record.change > 0 &&
          (!summary.bestWin || *record.change > *summary.bestWin)) {
        summary.bestWin = record.change;
      }
    }
  }
  return summary;
}

std::wstring SignedNumber(std::int64_t value) {
  return (value > 0 ? L"+" : L"") + std::to_wstring(value);
}

std::wstring SummaryLine(const HistorySummary &summary) {
  std::wstring line = L"Games: " + std::to_wstring(summary.games) +
                      L"   Wins: " + std::to_wstring(summary.wins);
  if (summary.finished > 0) {
    line += L" (" +
            std::to_wstring((summary.wins * 100 + summary.finished / 2) /
                            summary.finished) +
            L"%)";
  }
  line += L"   Net: " + SignedNumber(summary.net) + L"   Best win: " +
          (summary.bestWin ? SignedNumber(*summary.bestWin) : L"none");
  return line;
}

} // namespace slots::game
