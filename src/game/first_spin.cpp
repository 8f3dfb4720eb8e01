#include "game/first_spin.h"

#include "chat/chat_line_grammar.h"
#include "chat/chat_place.h"
#include "game/game_history.h"
#include "game/game_line_filters.h"
#include "game/payout_table.h"
#include "game/spin_line.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slots::game {
namespace {

// What Start needs of one chat text, from one walk back from its newest line.
struct StartLines {
  std::optional<std::wstring_view> payout;
  std::optional<chat::FoundChatLine> firstSpin;
  // How many lines of the text are newer than the first spin.
  std::size_t linesAfterFirstSpin = 0;
  // The newest first spin's game is over: its sender's final is newer, and
  // the machinekeeper has not dealt the next game yet.
  bool gameOver = false;
};

StartLines FindStartLines(const chat::FetchedChatText &chatText,
                          const CardModel &model) {
  StartLines found;
  if (chatText.IsEmpty()) {
    return found;
  }
  const chat::LineFilter isAnnouncement = AnnouncementsFrom(model);
  const chat::LineFilter isSpinLine = SpinLinesFrom(model);
  // Senders whose final is newer than the lines walked so far: a game
  // belongs to whoever sent its first spin, and only their final ends it.
  std::vector<std::wstring> finishedBy;
  chat::ChatTextReader walk;
  std::size_t newerLines = 0;
  const std::wstring_view markers[] = {kPayoutMarker, kFirstSpinMarker,
                                       kFinalSpinMarker};
  for (std::wstring_view line = walk.ReadChatLine(chatText.Text());
       !chat::IsNoMoreLines(line);
       line = walk.ReadOlderLineWithAny(markers, newerLines)) {
    if (!found.payout && chat::LineContains(line, kPayoutMarker) &&
        isAnnouncement(line)) {
      found.payout = line;
    }
    const bool spinSearchDone = found.firstSpin || found.gameOver;
    if (!spinSearchDone && OpensAGame(line, isSpinLine)) {
      const auto spin = ParseSpinLine(line, kFirstSpinKeyword);
      found.gameOver = spin && std::ranges::find(finishedBy, spin->sender) !=
                                   finishedBy.end();
      if (!found.gameOver) {
        found.firstSpin = chat::FoundChatLine{line, walk};
        found.linesAfterFirstSpin = newerLines;
      }
    } else if (!spinSearchDone && chat::LineContains(line, kFinalSpinMarker)) {
      if (const auto final =
              GameSpinLine(line, kFinalSpinKeyword, isSpinLine)) {
        finishedBy.push_back(final->sender);
      }
    }
    if (found.payout && (found.firstSpin || found.gameOver)) {
      break;
    }
  }
  return found;
}

} // namespace

void Start(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.start || model.hostName.empty() || !model.registered) {
    return;
  }
  // The payout line and the first spin come from one fetch and one walk.
  const chat::FetchedChatText chatText = card.chat.FetchChatText();
  StartLines found = FindStartLines(chatText, model);
  if (found.payout) {
    ApplyPayoutLine(model, *found.payout);
  }
  // A finished game is never opened again, however soon the player asks
  // for the next one: its final ended the search for a first spin.
  if (!found.firstSpin) {
    return;
  }
  std::wstring_view line = found.firstSpin->line;
  std::size_t linesAfter = found.linesAfterFirstSpin;
  // The player's own echo of the spin: the host's line is the one before.
  if (chat::IsSentPrivateLine(line)) {
    line = found.firstSpin->olderLines.ReadChatLine({});
    ++linesAfter;
  }
  SpinSymbols shown{};
  if (const auto spin = ParseSpinLine(line, kFirstSpinKeyword)) {
    shown = ShowSpin(model, *spin);
  }
  // The game opens at this line even when it carried no spin: a final older
  // than it belongs to an earlier game.
  model.firstSpinLine.reset();
  model.firstSpinPlace.reset();
  if (!chat::IsNoMoreLines(line)) {
    model.firstSpinLine = std::wstring(line);
    model.firstSpinPlace = chat::ChatPlace::OfLine(chatText.Text(), linesAfter);
  }
  if (model.options.startSound) {
    card.sounds.PlayStartSound();
  }
  model.steps.espHolds = true;
  model.steps.getHost = false;
  model.steps.hostName = false;
  model.steps.start = false;
  RecordGameStarted(card, shown);
}

} // namespace slots::game
