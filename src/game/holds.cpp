#include "game/holds.h"

#include "chat/chat_library.h"
#include "game/game_history.h"

namespace slots::game {

void ToggleHold(CardContext &card, int reel) {
  if (reel < 0 || reel >= kReelCount) {
    return;
  }
  bool &held = card.model.holds[static_cast<std::size_t>(reel)];
  held = !held;
  if (card.model.options.holdSound) {
    card.sounds.PlayHoldSound();
  }
}

std::wstring HoldsMessage(const CardModel &model) {
  std::wstring message = L"I hold ";
  for (std::size_t reel = 0; reel < model.holds.size(); ++reel) {
    if (reel > 0) {
      message += L',';
    }
    message += model.holds[reel] ? L'1' : L'0';
  }
  return message;
}

void EspHolds(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.espHolds) {
    return;
  }
  card.chat.Connection().ChatSend(chat::kPrivateMessageKind, model.hostName,
                                  HoldsMessage(model));
  model.steps.start = false;
  model.steps.final = true;
  RecordHoldsSent(card);
}

} // namespace slots::game
