#include "practice_table_steps.h"

#include "game/reel_symbols.h"
#include "win32/card/card_control_ids.h"
#include "win32/practice/practice_window_ids.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <string>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using ReelNames = std::array<std::wstring, practice::kReelCount>;

// A click is answered within milliseconds at this pace: poll closely.
constexpr std::chrono::milliseconds kQuickPoll{2};
constexpr std::array<int, practice::kReelCount> kHoldLabels = {kLabel8, kLabel9,
                                                               kLabel10};

ReelNames ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

// The symbol codes behind the names on the reels, as the machinekeeper
// dealt them.
std::optional<practice::Reels> CodesShown(const ReelNames &names) {
  static const std::map<std::wstring, int> codeOfName = [] {
    std::map<std::wstring, int> codes;
    for (int code = 1; code <= practice::kSymbolCount; ++code) {
      const std::wstring text =
          (code < 10 ? L"0" : L"") + std::to_wstring(code);
      codes.emplace(game::SymbolNameForCode(text), code);
    }
    return codes;
  }();
  practice::Reels codes{};
  for (std::size_t reel = 0; reel < names.size(); ++reel) {
    const auto found = codeOfName.find(names[reel]);
    if (found == codeOfName.end()) {
      return std::nullopt;
    }
    codes[reel] = found->second;
  }
  return codes;
}

bool WaitQuicklyFor(const std::function<bool()> &condition) {
  return WaitFor(condition, kPatience, kQuickPoll);
}

bool WaitUntilEnabled(const CardProcess &card, int id) {
  return WaitQuicklyFor([&] { return IsEnabled(card.Control(id)); });
}

} // namespace

HWND WaitForPracticeWindow(const CardProcess &card) {
  return card.WaitForWindowOfCard(kPracticeWindowClass, kPracticeWindowCaption);
}

void RegisterWithFreeGame(const CardProcess &card) {
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
}

std::optional<int> CreditsShown(const CardProcess &card) {
  const std::wstring text = TextOf(card.Control(kLblCredit));
  if (text.empty() || text.size() > 6 ||
      text.find_first_not_of(L"0123456789") != std::wstring::npos) {
    return std::nullopt;
  }
  return std::stoi(text);
}

void PlayOneFastPracticeGame(const CardProcess &card,
                             const practice::Holds &holds, int &credits) {
  ClickButton(card.Control(kCommand1));
  ASSERT_TRUE(WaitUntilEnabled(card, kCommand5));
  const ReelNames first = ReelsShown(card);
  ASSERT_TRUE(CodesShown(first).has_value());

  for (std::size_t reel = 0; reel < holds.size(); ++reel) {
    if (holds[reel]) {
      ClickLabel(card.Control(kHoldLabels[reel]));
    }
  }
  // Posted after the hold clicks, so the card takes them first.
  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitUntilEnabled(card, kCommand6));

  ClickButton(card.Control(kCommand6));
  ASSERT_TRUE(WaitQuicklyFor([&] {
    return IsEnabled(card.Control(kCommand1)) ||
           card.FindWindowOfCard(kMessageBoxClass, L"Resetting") != nullptr;
  }));
  ASSERT_TRUE(IsEnabled(card.Control(kCommand1)))
      << "the card found no final at the fast pace";

  const ReelNames final = ReelsShown(card);
  const auto codes = CodesShown(final);
  ASSERT_TRUE(codes.has_value());
  for (std::size_t reel = 0; reel < holds.size(); ++reel) {
    if (holds[reel]) {
      ASSERT_EQ(final[reel], first[reel]) << "held reel " << reel + 1;
    }
  }
  credits += practice::PayoutFor(*codes) - practice::kStake;
  ASSERT_EQ(CreditsShown(card), credits);
}

} // namespace slots::ui_test
