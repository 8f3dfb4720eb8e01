#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_library.h"
#include "chat/chat_line_search.h"
#include "chat/chat_text_reader.h"
#include "chat/scripted_chat_library.h"
#include "game/card_interfaces.h"
#include "game/card_model.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace slots::game {

inline void PrintTo(const StepControls &s, std::ostream *os) {
  *os << "{start " << s.start << ", espHolds " << s.espHolds << ", final "
      << s.final << ", getHost " << s.getHost << ", hostName " << s.hostName
      << ", freeGame " << s.freeGame << ", reset " << s.reset << "}";
}

inline void PrintTo(Outcome outcome, std::ostream *os) {
  *os << (outcome == Outcome::Win ? "Win" : "Loss");
}

inline void PrintTo(const CardModel &m, std::ostream *os) {
  *os << "{host " << ::testing::PrintToString(m.hostName) << ", credits "
      << ::testing::PrintToString(m.credits) << ", reels";
  for (const ReelLabel &reel : m.reels) {
    *os << " " << ::testing::PrintToString(reel.caption) << "/"
        << ::testing::PrintToString(reel.tag);
  }
  *os << ", holds " << m.holds[0] << m.holds[1] << m.holds[2] << ", registered "
      << m.registered << ", steps ";
  PrintTo(m.steps, os);
  *os << "}";
}

namespace testing {

inline std::wstring JoinLines(std::initializer_list<std::wstring> lines) {
  std::wstring text;
  for (const std::wstring &line : lines) {
    text += &line == lines.begin() ? line : L"\r\n" + line;
  }
  return text;
}

// A chat client whose window holds a scripted text. Each fetch delivers the
// next queued text, or the chat once the queue is empty; every request is
// answered "done".
class FakeChatLibrary final : public chat::ChatLibrary {
public:
  struct Sent {
    std::int16_t kind;
    std::wstring user;
    std::wstring text;
    bool operator==(const Sent &) const = default;
  };

  void SetChat(std::initializer_list<std::wstring> lines) {
    chat_ = JoinLines(lines);
  }
  void QueueFetch(std::wstring text) { queued_.push_back(std::move(text)); }

  std::vector<Sent> sent;
  int fetches = 0;

  std::int16_t InitDDE(const std::wstring &,
                       chat::ChatCallbacks &callbacks) override {
    callbacks_ = &callbacks;
    return 0;
  }
  void KillDDE() override {}
  void DapiRegister(const std::wstring &) override {}
  void DapiCommunicate(const std::wstring &, std::int16_t kind,
                       const std::wstring &user,
                       const std::wstring &text) override {
    sent.push_back({kind, user, text});
    callbacks_->DapiStatusCallback(L"0");
  }
  void DapiGetAllText(const std::wstring &) override {
    ++fetches;
    std::wstring text = chat_;
    if (!queued_.empty()) {
      text = std::move(queued_.front());
      queued_.pop_front();
    }
    callbacks_->DapiTextCallback(std::move(text));
    callbacks_->DapiStatusCallback(L"0");
  }

private:
  chat::ChatCallbacks *callbacks_ = nullptr;
  std::wstring chat_;
  std::deque<std::wstring> queued_;
};

using chat::testing::NoPause;

struct Box {
  std::wstring title;
  std::wstring text;
  bool operator==(const Box &) const = default;
  friend void PrintTo(const Box &box, std::ostream *os) {
    *os << ::testing::PrintToString(box.title) << ": "
        << ::testing::PrintToString(box.text);
  }
};

class FakeDialogs final : public CardDialogs {
public:
  int answer = kAnswerYes;
  std::vector<Box> questions;
  std::vector<Box> notices;

  int ShowYesNoBox(const std::wstring &title,
                   const std::wstring &prompt) override {
    questions.push_back({title, prompt});
    return answer;
  }
  void ShowNotice(const std::wstring &title,
                  const std::wstring &text) override {
    notices.push_back({title, text});
  }
};

class FakeSounds final : public CardSounds {
public:
  int startSounds = 0;
  int holdSounds = 0;
  std::vector<Outcome> finalSounds;

  void PlayStartSound() override { ++startSounds; }
  void PlayHoldSound() override { ++holdSounds; }
  void PlayFinalSound(Outcome outcome) override {
    finalSounds.push_back(outcome);
  }
};

// The step controls at the stages of a game.
inline constexpr StepControls kReadyToStart{.start = true,
                                            .espHolds = false,
                                            .final = false,
                                            .getHost = true,
                                            .hostName = true,
                                            .freeGame = false,
                                            .reset = true};
inline constexpr StepControls kHoldsStep{.start = false,
                                         .espHolds = true,
                                         .final = false,
                                         .getHost = false,
                                         .hostName = false,
                                         .freeGame = false,
                                         .reset = true};
inline constexpr StepControls kFinalStep{.start = false,
                                         .espHolds = true,
                                         .final = true,
                                         .getHost = false,
                                         .hostName = false,
                                         .freeGame = false,
                                         .reset = true};

inline std::wstring EspFrom(const std::wstring &sender,
                            const std::wstring &message) {
  return L"ESP from " + sender + L": " + message;
}

// A spin field with the three two-character codes at positions 4-5, 9-10
// and 14-15.
inline std::wstring SpinField(const std::wstring &reel1,
                              const std::wstring &reel2,
                              const std::wstring &reel3) {
  return L"R1 " + reel1 + L"R2 " + reel2 + L"R3 " + reel3;
}

inline std::wstring FirstSpinLine(const std::wstring &reel1,
                                  const std::wstring &reel2,
                                  const std::wstring &reel3) {
  return EspFrom(L"Dealer", L"FIRST:" + SpinField(reel1, reel2, reel3) + L":");
}

// The balance is framed by two leading characters and one trailing one.
inline std::wstring FinalSpinLine(const std::wstring &reel1,
                                  const std::wstring &reel2,
                                  const std::wstring &reel3,
                                  const std::wstring &balance) {
  return EspFrom(L"Dealer", L"FINAL:" + SpinField(reel1, reel2, reel3) +
                                L":C=" + balance + L";");
}

// A card wired to the fakes through the real chat link and reader.
class CardTest : public ::testing::Test {
protected:
  CardTest() { connection.OpenLink(); }

  // As after "Free Game" with the host "Dealer".
  void EnterReadyToStart() {
    model.hostName = L"Dealer";
    model.registered = true;
    model.steps = kReadyToStart;
  }
  // As after "ESP Holds".
  void EnterFinalStep() {
    EnterReadyToStart();
    model.steps = kFinalStep;
  }

  FakeChatLibrary library;
  NoPause pause;
  chat::ChatConnection connection{&library, L"slotscard", pause};
  chat::ChatLineSearch search{connection};
  CardModel model;
  FakeDialogs dialogs;
  FakeSounds sounds;
  CardContext card{model, search, dialogs, sounds};
};

} // namespace testing
} // namespace slots::game
