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
// Three equal codes or any Cherry wins; a tag that is no integer is no symbol.
Outcome JudgeOutcome(const CardModel &model);
// Command6 "Final": shows the host's final spin and balance, but only from a
// final line newer than the current game's first spin; when the chat holds
// none yet, a notice tells the player and the card stays as it was.
void Final(CardContext &card);

} // namespace slots::game
