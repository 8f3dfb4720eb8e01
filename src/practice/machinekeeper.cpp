#include "practice/machinekeeper.h"

#include <string>

namespace slots::practice {
namespace {

constexpr std::wstring_view kRegisterMessage = L"Register me!";
constexpr std::wstring_view kHoldsPrefix = L"I hold ";

std::wstring CreditsAnnouncement(int amount) {
  return L"Amount of credits you get: " + std::to_wstring(amount);
}

} // namespace

Machinekeeper::Machinekeeper(PracticeChatText &chat, std::uint32_t seed,
                             KeeperPace pace)
    : chat_(chat), draw_(seed), pace_(pace) {}

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
  // A final that is due goes out before anything newer is answered.
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
  if (step_ == Step::Thinking && due_ <= now) {
    SendFinal();
  }
}

void Machinekeeper::NoteChatFetched() {
  if (step_ == Step::FinalSent) {
    DealGame();
  }
}

std::optional<PracticeTime> Machinekeeper::NextActionDue() const {
  if (step_ == Step::Thinking) {
    return due_;
  }
  return std::nullopt;
}

void Machinekeeper::Register() {
  // The game the player already held for is played out first.
  if (step_ == Step::Thinking) {
    SendFinal();
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
  case Step::FinalSent:
    Tell(L"Thank you, but your holds for game " +
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
  due_ = now + pace_.thinkingTime;
}

void Machinekeeper::SendFinal() {
  PracticeGame &game = *game_;
  Tell(L"FINAL:" + SpinField(game.finalSpin) + L":" +
       CreditField(game.balanceAfter));
  game.finalSent = true;
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
  step_ = Step::FinalSent;
}

void Machinekeeper::DealGame() {
  PracticeGame game;
  game.number = ++gamesDealt_;
  game.firstSpin = DrawReels();
  game_ = game;
  // Each game comes with the table, and with the keeper's name for a card
  // whose chat has scrolled past the opening lines.
  Say(L"Your machinekeeper is " + std::wstring(kName) + L", game " +
      std::to_wstring(game.number) + L". " + PayoutLine());
  Tell(L"FIRST:" + SpinField(game.firstSpin) + L":game " +
       std::to_wstring(game.number));
  step_ = Step::AwaitingHolds;
}

Reels Machinekeeper::DrawReels() {
  Reels reels{};
  for (int &code : reels) {
    code = draw_.DrawSymbolCode();
  }
  return reels;
}

void Machinekeeper::Say(std::wstring_view text) {
  chat_.AddPublicLine(kName, text);
}

void Machinekeeper::Tell(std::wstring_view text) {
  chat_.AddReceivedPrivateLine(kName, text);
}

} // namespace slots::practice
