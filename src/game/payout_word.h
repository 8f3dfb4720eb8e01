#pragma once

#include "game/game_record.h"

#include <string>

namespace slots::game {

// What the payout table says a final spin pays: three equal symbols pay
// their row; otherwise two Cherries or one Cherry pay theirs; any other spin
// has no row and gets the empty text. A table never loaded is the built-in
// one, which is what the payout window would show.
std::wstring TablePaysFor(const PayoutTable &payouts, const SpinSymbols &spin);

} // namespace slots::game
