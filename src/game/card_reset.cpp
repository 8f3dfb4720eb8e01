#include "game/card_reset.h"

#include "game/game_history.h"

namespace slots::game {

void ResetCard(CardModel &model) {
  if (!model.steps.reset) {
    return;
  }
  for (ReelLabel &reel : model.reels) {
    reel.caption = kIdleReelCaption;
  }
  model.steps.start = true;
  model.steps.espHolds = false;
  model.steps.final = false;
  model.steps.hostName = true;
  model.steps.freeGame = true;
  model.registered = false;
  model.firstSpinLine.reset();
  model.firstSpinPlace.reset();
  model.holds.fill(false);
}

void ResetCard(CardContext &card) {
  if (!card.model.steps.reset) {
    return;
  }
  ResetCard(card.model);
  RecordCardReset(card);
}

} // namespace slots::game
