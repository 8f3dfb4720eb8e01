#include "game/first_spin.h"

#include "chat/chat_line_grammar.h"
#include "game/game_history.h"
#include "game/game_line_filters.h"
#include "game/payout_table.h"
#include "game/spin_line.h"

#include <string>
#include <string_view>

namespace slots::game {
namespace {

constexpr std::wstring_view kFirstSpinMarker = L"FIRST:";
constexpr std::wstring_view kFirstSpinKeyword = L"FIRST";

} // namespace

void Start(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.start || model.hostName.empty() || !model.registered) {
    return;
  }
  // The payout line and the first spin come from one fetch and one walk.
  const chat::FetchedChatText chatText = card.chat.FetchChatText();
  auto [payout, firstSpin] = chatText.FindNewestLinesWith(
      {kPayoutMarker, kFirstSpinMarker},
      {AnnouncementsFrom(model), SpinLinesFrom(model)});
  if (payout) {
    ApplyPayoutLine(model, payout->line);
  }
  if (!firstSpin) {
    return;
  }
  std::wstring_view line = firstSpin->line;
  // The player's own echo of the spin: the host's line is the one before.
  if (chat::IsSentPrivateLine(line)) {
    line = firstSpin->olderLines.ReadChatLine({});
  }
  model.firstSpinLine.reset();
  if (const auto spin = ParseSpinLine(line, kFirstSpinKeyword)) {
    ShowSpin(model, *spin);
    model.firstSpinLine = std::wstring(line);
  }
  if (model.options.startSound) {
    card.sounds.PlayStartSound();
  }
  model.steps.espHolds = true;
  model.steps.getHost = false;
  model.steps.hostName = false;
  model.steps.start = false;
  RecordGameStarted(card);
}

} // namespace slots::game
