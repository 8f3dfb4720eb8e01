#include "game/card_reset.h"

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

} // namespace slots::game
