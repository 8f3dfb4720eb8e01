#include "game/final_spin.h"

#include "chat/chat_place.h"
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

// The credit field starts with two characters that are not the balance.
constexpr std::size_t kBalanceOffset = 2;

struct FinalSearch {
  std::optional<std::wstring> line;
  std::optional<SpinLine> spin;
  // Where the line stood in the text it was found in.
  std::optional<chat::ChatPlace> place;
  bool firstSpinMet = false;

  static FinalSearch FirstSpinMet() {
    FinalSearch search;
    search.firstSpinMet = true;
    return search;
  }
};

// Which lines end a walk for this game's final.
struct FinalWalkBounds {
  // The first-spin line Start showed; when there is one, only it ends the
  // walk, and it is never taken for a final.
  const std::optional<std::wstring> &firstSpinLine;
  const std::optional<chat::ChatPlace> &firstSpinPlace;
  // The final shown for an earlier game: it and everything older belong to
  // games that are over.
  const std::optional<std::wstring> &lastFinalLine;
  const std::optional<chat::ChatPlace> &lastFinalPlace;
  // Whose game it is: only their final ends it. Without one, a final from
  // anyone the filter takes does.
  std::optional<std::wstring> owner;
  // Without a remembered first spin: whether any first spin ends the walk.
  bool anyFirstSpin = false;
};

// This game's final: a final spin from whoever owns the game. Public talk,
// a stranger's final and a "FINAL:" that is no spin are passed over.
std::optional<SpinLine>
FinalOfThisGame(std::wstring_view line, const chat::LineFilter &isSpinLine,
                const std::optional<std::wstring> &owner) {
  if (!chat::LineContains(line, kFinalSpinMarker)) {
    return std::nullopt;
  }
  auto spin = GameSpinLine(line, kFinalSpinKeyword, isSpinLine);
  if (!spin || (owner && spin->sender != *owner)) {
    return std::nullopt;
  }
  return spin;
}

// A remembered line as one fetched text shows it. Where the text still shows
// the remembered place, newer copies of the same words are other games'
// lines; elsewhere the words alone tell. The place is looked for only once a
// line with the same words comes up, so most walks never look.
class RememberedLineInText {
public:
  RememberedLineInText(const std::optional<std::wstring> &line,
                       const std::optional<chat::ChatPlace> &place,
                       const chat::ChatText &text)
      : line_(line), place_(place), text_(text) {}

  // Whether the line `newerLines` lines back from the newest is this one.
  bool Is(std::wstring_view line, std::size_t newerLines) {
    if (!line_ || line != *line_) {
      return false;
    }
    if (!placeLookedFor_) {
      placeLookedFor_ = true;
      at_ = place_ ? place_->NewerLinesIn(text_) : std::nullopt;
    }
    return !at_ || newerLines >= *at_;
  }

private:
  const std::optional<std::wstring> &line_;
  const std::optional<chat::ChatPlace> &place_;
  const chat::ChatText &text_;
  bool placeLookedFor_ = false;
  std::optional<std::size_t> at_;
};

// Walks back from the newest line of a fresh fetch to the newest final line,
// passing over lines that are no spin lines, but not past the bounds: a
// final older than this game's first spin, or the final already shown,
// belongs to an earlier game. A fetch that delivered nothing finds nothing:
// going on with an earlier walk would only meet lines older than the first
// spin that walk stopped at. The fetched text goes with the walk; only the
// line found and its place are kept.
FinalSearch FindCurrentFinalLine(chat::ChatLineSearch &chat,
                                 const chat::LineFilter &isSpinLine,
                                 const FinalWalkBounds &bounds) {
  const chat::FetchedChatText chatText = chat.FetchChatText();
  if (chatText.IsEmpty()) {
    return {};
  }
  RememberedLineInText firstSpin(bounds.firstSpinLine, bounds.firstSpinPlace,
                                 chatText.Text());
  RememberedLineInText lastFinal(bounds.lastFinalLine, bounds.lastFinalPlace,
                                 chatText.Text());
  chat::ChatTextReader walk;
  std::size_t newerLines = 0;
  const std::wstring_view markers[] = {
      kFinalSpinMarker, kFirstSpinMarker,
      bounds.firstSpinLine ? *bounds.firstSpinLine : kFirstSpinMarker};
  for (std::wstring_view line = walk.ReadChatLine(chatText.Text());
       !chat::IsNoMoreLines(line);
       line = walk.ReadOlderLineWithAny(markers, newerLines)) {
    if (lastFinal.Is(line, newerLines)) {
      return FinalSearch::FirstSpinMet();
    }
    const bool isFirstSpin =
        bounds.firstSpinLine
            ? firstSpin.Is(line, newerLines)
            : bounds.anyFirstSpin && OpensAGame(line, isSpinLine);
    if (isFirstSpin) {
      return FinalSearch::FirstSpinMet();
    }
    if (auto spin = FinalOfThisGame(line, isSpinLine, bounds.owner)) {
      return {.line = std::wstring(line),
              .spin = std::move(spin),
              .place = chat::ChatPlace::OfLine(chatText.Text(), newerLines),
              .firstSpinMet = false};
    }
  }
  return {};
}

// A game belongs to whoever sent the first spin Start opened it at.
std::optional<std::wstring> OwnerOfGame(const CardModel &model) {
  if (!model.firstSpinLine) {
    return std::nullopt;
  }
  auto spin = ParseSpinLine(*model.firstSpinLine, kFirstSpinKeyword);
  return spin ? std::optional(std::move(spin->sender)) : std::nullopt;
}

SpinSymbols ShowFinalSpin(CardModel &model, const SpinLine &spin) {
  const SpinSymbols shown = ShowSpin(model, spin);
  model.credits = BalanceFromCreditField(spin.rest);
  return shown;
}

void EndGame(CardModel &model) {
  model.firstSpinPlace.reset();
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

FinalLook LookForFinal(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.final || model.hostName.empty()) {
    return FinalLook::NotAsked;
  }
  // Without a remembered first spin, the first look stops at any first spin
  // and the second one looks past them all.
  const chat::LineFilter isSpinLine = SpinLinesFrom(model);
  FinalWalkBounds bounds{.firstSpinLine = model.firstSpinLine,
                         .firstSpinPlace = model.firstSpinPlace,
                         .lastFinalLine = model.lastFinalLine,
                         .lastFinalPlace = model.lastFinalPlace,
                         .owner = OwnerOfGame(model),
                         .anyFirstSpin = true};
  FinalSearch search = FindCurrentFinalLine(card.chat, isSpinLine, bounds);
  if (search.firstSpinMet) {
    // The final may have arrived since; look once more in a fresh text.
    bounds.anyFirstSpin = false;
    search = FindCurrentFinalLine(card.chat, isSpinLine, bounds);
    if (!search.line) {
      return FinalLook::NotYetSent;
    }
  }
  if (!search.line) {
    return FinalLook::NotFound;
  }
  const SpinSymbols shown = ShowFinalSpin(model, *search.spin);
  model.lastFinalLine = std::move(search.line);
  model.lastFinalPlace = std::move(search.place);
  if (model.options.finalSound) {
    card.sounds.PlayFinalSound(JudgeOutcome(model));
  }
  RecordFinalShown(card, shown);
  EndGame(model);
  return FinalLook::Shown;
}

void ShowNoFinalNotice(CardContext &card) {
  card.dialogs.ShowNotice(std::wstring(kNoFinalTitle),
                          std::wstring(kNoFinalNotice));
}

void Final(CardContext &card) {
  if (LookForFinal(card) == FinalLook::NotYetSent) {
    ShowNoFinalNotice(card);
  }
}

} // namespace slots::game
