#pragma once

#include "chat/chat_line_search.h"
#include "game/card_model.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

inline constexpr std::wstring_view kFirstSpinMarker = L"FIRST:";
inline constexpr std::wstring_view kFinalSpinMarker = L"FINAL:";

// A spin the host sent privately: "ESP from" sender ": " keyword ":" spin
// field ":" rest.
struct SpinLine {
  // Cut from the spin field at positions 4-5, 9-10 and 14-15; shorter or
  // empty where the field is short.
  std::array<std::wstring, kReelCount> codes;
  // Everything after the ":" that closes the spin field.
  std::wstring rest;
};

// Empty when the line is no received private line with exactly this keyword,
// or when a separator is missing: such a line carries no spin.
std::optional<SpinLine> ParseSpinLine(std::wstring_view line,
                                      std::wstring_view keyword);

// A game's final: a private line received from whoever deals the card's
// spins. A public line that mentions "FINAL:" ends no game.
bool IsFinalOfAGame(std::wstring_view line, const chat::LineFilter &isSpinLine);

// Shows the three codes on reels 1, 2 and 3, in that order.
void ShowSpin(CardModel &model, const SpinLine &spin);

} // namespace slots::game
