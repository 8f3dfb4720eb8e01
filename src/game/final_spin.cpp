#include "game/final_spin.h"

#include "game/game_history.h"
#include "game/game_line_filters.h"
#include "game/reel_symbols.h"
#include "game/spin_line.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace slots::game {
namespace {

constexpr std::wstring_view kFinalSpinMarker = L"FINAL:";
constexpr std::wstring_view kFirstSpinMarker = L"FIRST:";
constexpr std::wstring_view kFinalSpinKeyword = L"FINAL";
// The credit field starts with two characters that are not the balance.
constexpr std::size_t kBalanceOffset = 2;

struct FinalSearch {
  std::optional<std::wstring> line;
  bool firstSpinMet = false;
};

// Which first-spin line ends a walk for this game's final.
struct FirstSpinBound {
  // The first-spin line Start showed; when there is one, only it ends the
  // walk, and it is never taken for a final.
  const std::optional<std::wstring> &remembered;
  // Without a remembered line: whether any spin line holding "FIRST:" ends
  // it.
  bool anyFirstSpin = false;
};

// Walks back from the newest line of a fresh fetch to the newest final line,
// passing over lines that are no spin lines, but not past the bound: a final
// older than this game's first spin belongs to an earlier game. A remembered
// line that occurs more than once bounds the walk at its newest occurrence. A
// fetch that delivered nothing finds nothing: going on with an earlier walk
// would only meet lines older than the first spin that walk stopped at. The
// fetched text goes with the walk; only the line found is kept.
FinalSearch FindCurrentFinalLine(chat::ChatLineSearch &chat,
                                 const chat::LineFilter &isSpinLine,
                                 const FirstSpinBound &bound) {
  const chat::FetchedChatText chatText = chat.FetchChatText();
  if (chatText.IsEmpty()) {
    return {};
  }
  chat::ChatTextReader walk;
  for (std::wstring_view line = walk.ReadChatLine(chatText.Text());
       !chat::IsNoMoreLines(line); line = walk.ReadChatLine({})) {
    const bool isRemembered = bound.remembered && line == *bound.remembered;
    if (!isRemembered && chat::LineContains(line, kFinalSpinMarker) &&
        isSpinLine(line)) {
      return {.line = std::wstring(line)};
    }
    const bool isAnyFirstSpin = !bound.remembered && bound.anyFirstSpin &&
                                chat::LineContains(line, kFirstSpinMarker) &&
                                isSpinLine(line);
    if (isRemembered || isAnyFirstSpin) {
      return {.line = std::nullopt, .firstSpinMet = true};
    }
  }
  return {};
}

// A line that cannot be taken apart leaves reels and balance as they are.
void ShowFinalLine(CardModel &model, std::wstring_view line) {
  if (const auto spin = ParseSpinLine(line, kFinalSpinKeyword)) {
    ShowSpin(model, *spin);
    model.credits = BalanceFromCreditField(spin->rest);
  }
}

void EndGame(CardModel &model) {
  model.steps.espHolds = false;
  model.steps.final = false;
  model.steps.start = true;
  model.steps.getHost = true;
  model.steps.hostName = true;
  model.holds.fill(false);
  model.firstSpinLine.reset();
}

} // namespace

std::wstring BalanceFromCreditField(std::wstring_view creditField) {
  if (creditField.size() <= kBalanceOffset + 1) {
    return {};
  }
  return std::wstring(creditField.substr(
      kBalanceOffset, creditField.size() - kBalanceOffset - 1));
}

Outcome JudgeOutcome(const CardModel &model) {
  std::array<std::optional<std::int16_t>, kReelCount> codes;
  std::transform(
      model.reels.begin(), model.reels.end(), codes.begin(),
      [](const ReelLabel &reel) { return IntegerValueOfCode(reel.tag); });
  const bool anyCherry =
      std::find(codes.begin(), codes.end(), kCherryCode) != codes.end();
  // Blank reels ("00", "15") are three of nothing.
  const bool threeEqual = codes[0] && *codes[0] >= 1 &&
                          *codes[0] <= kSymbolCount && codes[0] == codes[1] &&
                          codes[0] == codes[2];
  return anyCherry || threeEqual ? Outcome::Win : Outcome::Loss;
}

void Final(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.final || model.hostName.empty()) {
    return;
  }
  // Without a remembered first spin, the first look stops at any first spin
  // and the second one looks past them all.
  const chat::LineFilter isSpinLine = SpinLinesFrom(model);
  FinalSearch search = FindCurrentFinalLine(
      card.chat, isSpinLine,
      {.remembered = model.firstSpinLine, .anyFirstSpin = true});
  if (search.firstSpinMet) {
    // The final may have arrived since; look once more in a fresh text.
    search = FindCurrentFinalLine(
        card.chat, isSpinLine,
        {.remembered = model.firstSpinLine, .anyFirstSpin = false});
    if (!search.line) {
      card.dialogs.ShowNotice(std::wstring(kNoFinalTitle),
                              std::wstring(kNoFinalNotice));
      return;
    }
  }
  if (!search.line) {
    return;
  }
  ShowFinalLine(model, *search.line);
  if (model.options.finalSound) {
    card.sounds.PlayFinalSound(JudgeOutcome(model));
  }
  RecordFinalShown(card);
  EndGame(model);
}

} // namespace slots::game
