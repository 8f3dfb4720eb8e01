#include "practice/machinekeeper.h"

#include <array>
#include <string>
#include <utility>

namespace slots::practice {
namespace {

constexpr std::wstring_view kRegisterMessage = L"Register me!";
constexpr std::wstring_view kHoldsPrefix = L"I hold ";
// A terse keeper's few symbols: Grapes, Stars and Cherries, which pay a
// little, so balances move slowly and whole lines repeat.
constexpr std::array<int, 3> kTerseSymbols = {2, 8, kCherryCode};

// What other people at a busy table say, each line holding one of the
// game's markers.
constexpr std::array<std::pair<std::wstring_view, std::wstring_view>, 6>
    kOthersTalk = {{
        {L"Ava", L"my FIRST: spin tonight was three lemons"},
        {L"Bram", L"FINAL: I am off to bed, good luck all"},
        {L"Cleo", L"Payouts: are better at the other table, I swear"},
        {L"Ava", L"Your machinekeeper is busy tonight, be patient"},
        {L"Bram", L"Amount of credits you get: never enough!"},
        {L"Cleo", L"FIRST: FINAL: Payouts: I never read any of it"},
    }};

std::wstring CreditsAnnouncement(int amount) {
  return L"Amount of credits you get: " + std::to_wstring(amount);
}

} // namespace

Machinekeeper::Machinekeeper(PracticeChatText &chat, std::uint32_t seed,
                             KeeperHabit habit)
    : chat_(chat),
      draw_(habit.terse ? SymbolDraw(seed, kTerseSymbols) : SymbolDraw(seed)),
      manner_(seed ^ 0x5eedu), habit_(habit) {}

void Machinekeeper::OpenTable() {
  Say(L"Welcome to the practice table! Your machinekeeper is " +
      std::wstring(kName) + L".");
  Say(CreditsAnnouncement(kStartingCredits));
  Say(L"Each game costs " + std::to_wstring(kStake) +
      L" credits. Click Free Game to register, then Start.");
  Say(PayoutLine());
}

void Machinekeeper::HearPrivateMessage(std::wstring_view message,
                                       PracticeTime now) {
  // What is due goes out before anything newer is answered.
  RunDueActions(now);
  if (message == kRegisterMessage) {
    Register();
  } else if (message.starts_with(kHoldsPrefix)) {
    HearHolds(message, now);
  } else {
    Tell(L"I understand Register me! and your holds, as I hold and three "
         L"flags, for example I hold 1,0,1.");
  }
}

void Machinekeeper::RunDueActions(PracticeTime now) {
  // Each action is timed from when the one before it was due, so a long
  // wait runs them all, in order.
  while (due_ <= now) {
    if (step_ == Step::Thinking) {
      SendFinal(due_);
    } else if (step_ == Step::Dealing) {
      DealGame();
    } else {
      return;
    }
  }
}

std::optional<PracticeTime> Machinekeeper::NextActionDue() const {
  if (step_ == Step::Thinking || step_ == Step::Dealing) {
    return due_;
  }
  return std::nullopt;
}

void Machinekeeper::Register() {
  // The game the player already held for is played out first.
  if (step_ == Step::Thinking) {
    SendFinal(due_);
  }
  if (step_ == Step::Unregistered || step_ == Step::OutOfCredits) {
    credits_ = kStartingCredits;
    Tell(L"You are registered. " + CreditsAnnouncement(credits_));
  } else {
    // An open game without holds is dropped; it cost nothing yet.
    Tell(L"You are registered already. " + CreditsAnnouncement(credits_));
  }
  DealGame();
}

void Machinekeeper::HearHolds(std::wstring_view message, PracticeTime now) {
  switch (step_) {
  case Step::AwaitingHolds:
    if (const std::optional<Holds> holds = ParseHoldsMessage(message)) {
      TakeHolds(*holds, now);
    } else {
      Tell(L"Please send your holds as I hold and three flags, for example "
           L"I hold 1,0,1.");
    }
    return;
  case Step::Thinking:
  case Step::Dealing:
    Tell(habit_.terse
             ? std::wstring(L"Thank you, but your holds are in "
                            L"already.")
             : L"Thank you, but your holds for game " +
                   std::to_wstring(game_->number) + L" are in already.");
    return;
  case Step::Unregistered:
    Tell(L"Please register first: send Register me!");
    return;
  case Step::OutOfCredits:
    Tell(L"You have no credits left: send Register me! for a fresh stake.");
    return;
  }
}

void Machinekeeper::TakeHolds(const Holds &holds, PracticeTime now) {
  PracticeGame &game = *game_;
  game.holds = holds;
  for (std::size_t reel = 0; reel < holds.size(); ++reel) {
    game.finalSpin[reel] =
        holds[reel] ? game.firstSpin[reel] : draw_.DrawSymbolCode();
  }
  game.balanceBefore = credits_;
  game.payout = PayoutFor(game.finalSpin);
  credits_ = credits_ - kStake + game.payout;
  game.balanceAfter = credits_;
  step_ = Step::Thinking;
  due_ = now + DrawThinkingTime();
}

void Machinekeeper::SendFinal(PracticeTime sentAt) {
  PracticeGame &game = *game_;
  Tell(L"FINAL:" + SpinField(game.finalSpin) + L":" +
       CreditField(game.balanceAfter));
  game.finalSent = true;
  finished_ = game;
  if (game.payout > 0) {
    Tell(L"You win " + std::to_wstring(game.payout) + L" credits.");
  } else {
    Tell(L"No win this time.");
  }
  if (credits_ < kStake) {
    Tell(L"You have run out of credits. Click Reset, then Free Game, to "
         L"register again for a fresh stake.");
    step_ = Step::OutOfCredits;
    return;
  }
  step_ = Step::Dealing;
  due_ = sentAt + habit_.dealingDelay;
}

void Machinekeeper::DealGame() {
  PracticeGame game;
  game.number = ++gamesDealt_;
  game.firstSpin = DrawReels();
  game_ = game;
  // Each game comes with the table, and with the keeper's name for a card
  // whose chat has scrolled past the opening lines.
  if (habit_.terse) {
    Say(L"Your machinekeeper is " + std::wstring(kName) + L". " + PayoutLine());
    Tell(L"FIRST:" + SpinField(game.firstSpin) + L":");
  } else {
    Say(L"Your machinekeeper is " + std::wstring(kName) + L", game " +
        std::to_wstring(game.number) + L". " + PayoutLine());
    Tell(L"FIRST:" + SpinField(game.firstSpin) + L":game " +
         std::to_wstring(game.number));
  }
  step_ = Step::AwaitingHolds;
}

Reels Machinekeeper::DrawReels() {
  Reels reels{};
  for (int &code : reels) {
    code = draw_.DrawSymbolCode();
  }
  return reels;
}

std::chrono::milliseconds Machinekeeper::DrawThinkingTime() {
  const auto range = static_cast<std::uint32_t>(
      (habit_.longestThinking - habit_.shortestThinking).count());
  return habit_.shortestThinking +
         std::chrono::milliseconds(DrawBelow(manner_, range + 1));
}

void Machinekeeper::Say(std::wstring_view text) {
  LetOthersTalk();
  chat_.AddPublicLine(kName, text);
}

void Machinekeeper::Tell(std::wstring_view text) {
  LetOthersTalk();
  chat_.AddReceivedPrivateLine(kName, text);
}

void Machinekeeper::LetOthersTalk() {
  // Every other line or so.
  if (!habit_.chatty || DrawBelow(manner_, 2) == 0) {
    return;
  }
  const auto &[speaker, text] = kOthersTalk[DrawBelow(
      manner_, static_cast<std::uint32_t>(kOthersTalk.size()))];
  chat_.AddPublicLine(speaker, text);
}

} // namespace slots::practice
