#pragma once

#include "game/card_interfaces.h"

#include <string>
#include <string_view>

namespace slots::game {

inline constexpr std::wstring_view kNoFinalTitle = L"Resetting";
inline constexpr std::wstring_view kNoFinalNotice =
    L"No Final spin found yet, if there is an error click Reset Card to start "
    L"over.";

// The balance the host reported: the credit field from its third character,
// without its last character.
std::wstring BalanceFromCreditField(std::wstring_view creditField);
// Three equal codes that name a symbol, or any Cherry, win; a tag that is no
// integer is no symbol.
Outcome JudgeOutcome(const CardModel &model);
// Command6 "Final": shows the host's final spin and balance. Only a final
// spin from whoever sent the game's first spin ends the game; a final older
// than the first spin Start showed belongs to an earlier game. When the chat
// holds no such final yet, a notice tells the player and the card stays as
// it was.
void Final(CardContext &card);

enum class FinalLook {
  // Final is not enabled, or no machinekeeper is named.
  NotAsked,
  Shown,
  // This game's first spin is in the chat, and no final after it.
  NotYetSent,
  // Neither this game's first spin nor its final is in the chat.
  NotFound,
};
// Final without its notice: how the look went.
FinalLook LookForFinal(CardContext &card);
void ShowNoFinalNotice(CardContext &card);

} // namespace slots::game
