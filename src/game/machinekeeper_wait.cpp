#include "game/machinekeeper_wait.h"

#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/reel_symbols.h"

namespace slots::game {

namespace {

// Start would look at the chat: the same checks Start makes.
bool StartCanLook(const CardModel &model) {
  return model.steps.start && !model.hostName.empty() && model.registered;
}

} // namespace

void MachinekeeperWait::ClickStart(CardContext &card) {
  Start(card);
  if (card.model.options.waitForMachinekeeper && StartCanLook(card.model)) {
    Begin(AwaitedLine::FirstSpin);
  } else if (!card.model.steps.start) {
    Stop();
  }
}

void MachinekeeperWait::ClickEspHolds(CardContext &card) {
  const bool holdsAsked = card.model.steps.espHolds;
  EspHolds(card);
  if (holdsAsked && card.model.options.waitForMachinekeeper &&
      card.model.steps.final) {
    Begin(AwaitedLine::Final);
  }
}

void MachinekeeperWait::ClickFinal(CardContext &card) {
  if (awaited_ == AwaitedLine::Final) {
    return;
  }
  if (!card.model.options.waitForMachinekeeper) {
    Final(card);
    return;
  }
  const FinalLook look = LookForFinal(card);
  if (look == FinalLook::NotYetSent || look == FinalLook::NotFound) {
    Begin(AwaitedLine::Final);
  }
}

void MachinekeeperWait::Stop() { awaited_ = AwaitedLine::Nothing; }

std::optional<std::chrono::milliseconds>
MachinekeeperWait::TimeToNextLook() const {
  if (awaited_ == AwaitedLine::Nothing) {
    return std::nullopt;
  }
  const std::chrono::milliseconds now = clock_.Now();
  return nextLook_ > now ? nextLook_ - now : std::chrono::milliseconds(0);
}

WaitTick MachinekeeperWait::Tick(CardContext &card) {
  if (awaited_ == AwaitedLine::Nothing || clock_.Now() < nextLook_) {
    return WaitTick::Idle;
  }
  const AwaitedLine awaited = awaited_;
  const bool lastLook = clock_.Now() - began_ >= kLongestWait;
  // The cue stops before the last look, whose notice may stay up a while.
  if (lastLook) {
    Stop();
  }
  const WaitTick outcome = awaited == AwaitedLine::FirstSpin
                               ? LookForFirstSpin(card)
                               : LookForFinalSpin(card, lastLook);
  if (outcome != WaitTick::StillWaiting) {
    Stop();
    return outcome;
  }
  if (lastLook) {
    return WaitTick::GaveUp;
  }
  // From the end of this look: a look that took long puts off the next.
  nextLook_ = clock_.Now() + kLookEvery;
  return WaitTick::StillWaiting;
}

std::optional<std::wstring_view>
MachinekeeperWait::CueCaption(const CardModel &model, int reel) const {
  if (awaited_ == AwaitedLine::Nothing || reel < 0 || reel >= kReelCount ||
      model.holds[static_cast<std::size_t>(reel)]) {
    return std::nullopt;
  }
  // Each reel a few symbols on from the one before, so they never line up.
  const auto turn = (clock_.Now() - began_) / kCueStep;
  const auto symbol = (turn + reel * 5) % kSymbolCount + 1;
  return SymbolName(static_cast<std::uint8_t>(symbol));
}

void MachinekeeperWait::Begin(AwaitedLine awaited) {
  awaited_ = awaited;
  began_ = clock_.Now();
  nextLook_ = began_ + kLookEvery;
}

WaitTick MachinekeeperWait::LookForFirstSpin(CardContext &card) {
  if (!StartCanLook(card.model)) {
    return WaitTick::Idle;
  }
  Start(card);
  return card.model.steps.start ? WaitTick::StillWaiting
                                : WaitTick::FirstSpinShown;
}

WaitTick MachinekeeperWait::LookForFinalSpin(CardContext &card, bool lastLook) {
  if (lastLook) {
    // As a Final click: the final if it came after all, else the notice.
    const bool wasAsked = card.model.steps.final;
    Final(card);
    return wasAsked && !card.model.steps.final ? WaitTick::FinalShown
                                               : WaitTick::GaveUp;
  }
  switch (LookForFinal(card)) {
  case FinalLook::Shown:
    return WaitTick::FinalShown;
  case FinalLook::NotAsked:
    return WaitTick::Idle;
  default:
    return WaitTick::StillWaiting;
  }
}

std::wstring ArrivedFinalText(const CardModel &model) {
  std::wstring text;
  for (const ReelLabel &reel : model.reels) {
    text += (text.empty() ? L"" : L", ") + reel.caption;
  }
  return text + L"\r\nCredits: " + model.credits;
}

} // namespace slots::game
