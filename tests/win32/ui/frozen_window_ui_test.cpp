// A chat client that answers "busy" forever must not freeze the card: one
// click holds it for about 2 s in all, and during that time the window
// still answers messages that other processes send it.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A request waits 50 ms between repeats and answers sent messages at once
// within those waits; one stand-in call costs a few milliseconds. The longest
// silence is one call and one wait, so 300 ms leaves room for a shared,
// loaded machine while staying far below the 2 s that one request held the
// window before.
constexpr milliseconds kLongestSilence{300};
// The click's budget of 2 s, with room for Wine's start of the requests.
constexpr milliseconds kLongestClick{2500};

struct Responsiveness {
  milliseconds longestSilence{0};
  milliseconds elapsed{0};
  bool ended = false;
};

// Sends the window a harmless message again and again, as another program
// would, until the condition holds; notes the longest wait for an answer.
Responsiveness MeasureAnswers(HWND window, const std::function<bool()> &until,
                              milliseconds patience) {
  Responsiveness seen;
  const auto start = Clock::now();
  while (Clock::now() - start < patience) {
    if (until()) {
      seen.ended = true;
      break;
    }
    const auto sent = Clock::now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    const auto answered =
        std::chrono::duration_cast<milliseconds>(Clock::now() - sent);
    if (answered > seen.longestSilence)
      seen.longestSilence = answered;
  }
  seen.elapsed = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
  return seen;
}

TEST(FrozenWindowUi, BusyForeverNeitherFreezesTheWindowNorHoldsTheClick) {
  CardFolder folder("busy_forever");
  folder.WriteChat({"Ann: Your machinekeeper is Ann",
                    "Ann: Amount of credits you get: 250"});
  folder.WriteChatStatuses("6...\n");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);

  // Free Game: a fetch for the host, then a question, then a message and a
  // second fetch, all answered "busy".
  ClickLabel(card.Control(kLabel2));
  HWND question = nullptr;
  const Responsiveness untilQuestion = MeasureAnswers(
      card.Window(),
      [&] {
        question =
            card.FindWindowOfCard(kMessageBoxClass, L"ESP Registration?");
        return question != nullptr;
      },
      kPatience);
  ASSERT_TRUE(untilQuestion.ended);
  EXPECT_LE(untilQuestion.longestSilence, kLongestSilence);
  EXPECT_LE(untilQuestion.elapsed, kLongestClick);

  AnswerMessageBox(question, IDYES);
  const Responsiveness afterAnswer = MeasureAnswers(
      card.Window(), [&] { return !IsEnabled(card.Control(kLabel2)); },
      kPatience);
  ASSERT_TRUE(afterAnswer.ended);
  EXPECT_LE(afterAnswer.longestSilence, kLongestSilence);
  EXPECT_LE(untilQuestion.elapsed + afterAnswer.elapsed, kLongestClick);

  std::printf("Free Game against a busy chat: longest silence %lld ms and "
              "%lld ms, click %lld ms\n",
              static_cast<long long>(untilQuestion.longestSilence.count()),
              static_cast<long long>(afterAnswer.longestSilence.count()),
              static_cast<long long>(
                  (untilQuestion.elapsed + afterAnswer.elapsed).count()));

  // The click ended as a finished Free Game, and the card goes on.
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_TRUE(IsEnabled(card.Control(kCommand1)));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
