#include "game/payout_table.h"

namespace slots::game {
namespace {

// Field 0 is the word "Payouts"; fields 1 to 16 are the values. Fields after
// the sixteenth are ignored, missing ones leave their value as it was.
void SetPayoutFields(PayoutTable &payouts, std::wstring_view text) {
  std::size_t fieldStart = text.find(L':');
  for (std::size_t field = 0;
       field < payouts.values.size() && fieldStart != std::wstring_view::npos;
       ++field) {
    ++fieldStart;
    const std::size_t fieldEnd = text.find(L':', fieldStart);
    payouts.values[field] = text.substr(fieldStart, fieldEnd - fieldStart);
    fieldStart = fieldEnd;
  }
}

// The window's load step. The built-in table goes in on the first load only,
// so a window closed and opened again keeps the host's values.
void LoadPayoutWindow(CardModel &model) {
  if (!model.payouts.loaded) {
    SetPayoutFields(model.payouts, DefaultPayoutLine);
    model.payouts.loaded = true;
  }
  model.payoutWindow = PayoutWindowState::Hidden;
}

} // namespace

void ApplyPayoutLine(CardModel &model, std::wstring_view line) {
  const std::size_t marker = line.find(kPayoutMarker);
  if (marker == std::wstring_view::npos) {
    return;
  }
  if (model.payoutWindow == PayoutWindowState::NotCreated) {
    LoadPayoutWindow(model);
  }
  SetPayoutFields(model.payouts, line.substr(marker));
}

void ShowPayouts(CardModel &model) {
  if (model.payoutWindow == PayoutWindowState::NotCreated) {
    LoadPayoutWindow(model);
  }
  model.payoutWindow = PayoutWindowState::Visible;
}

void ClosePayoutWindow(CardModel &model) {
  model.payoutWindow = PayoutWindowState::NotCreated;
}

} // namespace slots::game
