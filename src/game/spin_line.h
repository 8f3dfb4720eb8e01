#pragma once

#include "chat/chat_line_search.h"
#include "game/card_model.h"
#include "game/reel_symbols.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

inline constexpr std::wstring_view kFirstSpinMarker = L"FIRST:";
inline constexpr std::wstring_view kFinalSpinMarker = L"FINAL:";
inline constexpr std::wstring_view kFirstSpinKeyword = L"FIRST";
inline constexpr std::wstring_view kFinalSpinKeyword = L"FINAL";

// A spin the host sent privately: "ESP from" sender ": " keyword ":" spin
// field ":" rest.
struct SpinLine {
  std::wstring sender;
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

// A spin line with this keyword that the filter takes: the line a game
// opens or ends at. Talk that merely mentions a marker, in public or in
// private, is no spin and opens or ends no game. Empty otherwise.
std::optional<SpinLine> GameSpinLine(std::wstring_view line,
                                     std::wstring_view keyword,
                                     const chat::LineFilter &isSpinLine);

// A line Start opens a game at: a private line holding "FIRST:" that the
// filter takes, normally the first spin, or the player's own echo of one,
// which stands just after the spin it echoes. Public talk opens no game.
bool OpensAGame(std::wstring_view line, const chat::LineFilter &isSpinLine);

// Shows the three codes on reels 1, 2 and 3, in that order; returns the
// symbols the reels show, so that whoever records the spin records exactly
// what the player saw.
SpinSymbols ShowSpin(CardModel &model, const SpinLine &spin);

} // namespace slots::game
