#pragma once

#include "chat/chat_line_search.h"
#include "game/card_model.h"

namespace slots::game {

// Whose lines the game takes. With "Only My Machinekeeper" checked and a
// name in the host box, only that name's lines count, and any other line is
// passed over as if it held no marker; otherwise every line counts.

// First spins and finals: private lines received from the machinekeeper.
chat::LineFilter SpinLinesFrom(const CardModel &model);
// Credits and payout tables: the machinekeeper's public or private lines.
chat::LineFilter AnnouncementsFrom(const CardModel &model);

} // namespace slots::game
