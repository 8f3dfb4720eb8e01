#pragma once

#include "game/game_record.h"

#include <windows.h>

#include <deque>

namespace slots::win32 {

inline constexpr COLORREF kWinColour = RGB(0, 150, 0);
inline constexpr COLORREF kLossColour = RGB(210, 0, 0);

// The balance after each game against its number, in the area: wins and
// losses marked in their colours, axes with round values, a dotted line at
// the balance the first game began from. A game without a balance that is a
// number leaves a gap in the line.
void DrawBalanceChart(HDC dc, const RECT &area,
                      const std::deque<game::GameRecord> &records, int dpi);

} // namespace slots::win32
