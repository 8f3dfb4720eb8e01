#pragma once

#include "game/card_interfaces.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

// Steady time for the wait's rhythm; tests move it on by hand.
class WaitClock {
public:
  virtual ~WaitClock() = default;
  virtual std::chrono::milliseconds Now() const = 0;
};

enum class AwaitedLine { Nothing, FirstSpin, Final };

// What a tick of the wait came to.
enum class WaitTick {
  // Not waiting, or no look due yet.
  Idle,
  // Looked, and goes on waiting.
  StillWaiting,
  FirstSpinShown,
  FinalShown,
  // The longest wait passed without the line.
  GaveUp,
};

// "Wait For The Machinekeeper": rather than have the player guess the
// machinekeeper's pace, Start, ESP Holds and Final leave the card looking at
// the chat by itself until the line comes. The window runs a timer for the
// next look and hands its ticks in; one look runs at a time, and the next
// one is due a while after the last one ended, so a slow chat client spaces
// the looks out rather than stacking them.
class MachinekeeperWait {
public:
  static constexpr std::chrono::milliseconds kLookEvery{500};
  static constexpr std::chrono::milliseconds kLongestWait{60'000};
  // How long each symbol of the waiting cue shows.
  static constexpr std::chrono::milliseconds kCueStep{90};

  // The clock must outlive the wait.
  explicit MachinekeeperWait(const WaitClock &clock) : clock_(clock) {}

  // The clicks as the option has them: each runs its action, and a Start
  // that found no new game, holds sent, or a Final that found no final yet
  // start a wait while the option is on. Final pressed while the card waits
  // for the final changes nothing.
  void ClickStart(CardContext &card);
  void ClickEspHolds(CardContext &card);
  void ClickFinal(CardContext &card);
  // Reset, closing, or the option switched off: nothing more is shown.
  void Stop();

  AwaitedLine Awaited() const { return awaited_; }
  // How long until the next look is due; none while not waiting.
  std::optional<std::chrono::milliseconds> TimeToNextLook() const;
  // Looks once when a look is due. The last look of a wait for the final
  // is a Final click's, notice and all.
  WaitTick Tick(CardContext &card);
  // While the card waits, a reel that is not held cycles through the
  // symbols, as a slot machine's reel spins; none otherwise.
  std::optional<std::wstring_view> CueCaption(const CardModel &model,
                                              int reel) const;

private:
  void Begin(AwaitedLine awaited);
  WaitTick LookForFirstSpin(CardContext &card);
  WaitTick LookForFinalSpin(CardContext &card, bool lastLook);

  const WaitClock &clock_;
  AwaitedLine awaited_ = AwaitedLine::Nothing;
  std::chrono::milliseconds began_{};
  std::chrono::milliseconds nextLook_{};
};

// The tray notification's text when a final arrives while the card is in
// the tray: the final spin and the new balance.
std::wstring ArrivedFinalText(const CardModel &model);

} // namespace slots::game
