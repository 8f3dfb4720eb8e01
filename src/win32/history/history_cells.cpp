#include "win32/history/history_cells.h"

#include "game/game_history.h"
#include "game/game_history_csv.h"

#include <cstdio>

namespace slots::win32 {
namespace {

// Seconds from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr std::int64_t kFileTimeEpochOffset = 11644473600;
constexpr std::int64_t kFileTimeTicksPerSecond = 10000000;

} // namespace

std::wstring LocalTimeText(std::int64_t secondsSinceEpoch) {
  const std::uint64_t ticks =
      static_cast<std::uint64_t>(secondsSinceEpoch + kFileTimeEpochOffset) *
      kFileTimeTicksPerSecond;
  const FILETIME utc{static_cast<DWORD>(ticks),
                     static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&utc, &universal) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return {};
  }
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%04u-%02u-%02u %02u:%02u:%02u",
                local.wYear, local.wMonth, local.wDay, local.wHour,
                local.wMinute, local.wSecond);
  return text;
}

std::wstring HistoryCellText(const game::GameRecord &record,
                             std::size_t column) {
  const bool reset = record.result == game::GameResult::Reset;
  switch (column) {
  case 0:
    return std::to_wstring(record.number);
  case 1:
    return LocalTimeText(record.time);
  case 2:
    return record.practice ? record.host + L" (practice)" : record.host;
  case 3:
    return game::SpinText(record.firstSpin);
  case 4:
    return game::HeldText(record.held);
  case 5:
    return reset ? std::wstring() : game::SpinText(record.finalSpin);
  case 6:
    return game::ResultText(record.result);
  case 7:
    return reset                      ? std::wstring()
           : record.tablePays.empty() ? std::wstring(L"-")
                                      : record.tablePays;
  case 8:
    return record.balance;
  case 9:
    return record.change ? game::SignedNumber(*record.change) : std::wstring();
  default:
    return {};
  }
}

} // namespace slots::win32
