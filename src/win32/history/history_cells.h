#pragma once

#include "game/game_record.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

namespace slots::win32 {

struct HistoryColumn {
  const wchar_t *title;
  int widthAt96Dpi; // pixels
  int format;       // LVCFMT_LEFT or LVCFMT_RIGHT
};

// The list's columns, in order.
inline constexpr std::array<HistoryColumn, 10> kHistoryColumns = {{
    {L"Game", 50, LVCFMT_RIGHT},
    {L"Time", 122, LVCFMT_LEFT},
    {L"Host", 110, LVCFMT_LEFT},
    {L"First spin", 128, LVCFMT_LEFT},
    {L"Held", 40, LVCFMT_LEFT},
    {L"Final spin", 128, LVCFMT_LEFT},
    {L"Result", 52, LVCFMT_LEFT},
    {L"Table pays", 78, LVCFMT_RIGHT},
    {L"Balance", 62, LVCFMT_RIGHT},
    {L"Change", 58, LVCFMT_RIGHT},
}};

// What a column shows for a game. A game on the practice table says so
// beside its host; a reset game has no final, balance or change.
std::wstring HistoryCellText(const game::GameRecord &record,
                             std::size_t column);

// "2026-12-08 15:05:59" in the computer's time zone.
std::wstring LocalTimeText(std::int64_t secondsSinceEpoch);

} // namespace slots::win32
