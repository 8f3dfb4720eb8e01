#pragma once

#include "game/card_model.h"

#include <array>
#include <string_view>

namespace slots::game {

inline constexpr std::wstring_view kPayoutMarker = L"Payouts:";
inline constexpr std::wstring_view DefaultPayoutLine =
    L"Payouts:25000:10000:5000:2500:1000:500:500:400:400:400:300:300:300:300:"
    L"200:100";

// Sets the values from the first "Payouts:" on; fields after the sixteenth
// are ignored and missing ones leave their value. Creates the (hidden) payout
// window when there is none, with the built-in table first. A text without
// "Payouts:" changes nothing.
void ApplyPayoutLine(CardModel &model, std::wstring_view line);
// "Show Payouts" and "P".
void ShowPayouts(CardModel &model);
// The player closed the payout window; its values are kept for next time.
void ClosePayoutWindow(CardModel &model);

} // namespace slots::game
