#include "game/iso_time.h"

#include <chrono>
#include <cstdio>

namespace slots::game {
namespace {

using namespace std::chrono;

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr std::size_t kIsoTimeLength = 20; // YYYY-MM-DDThh:mm:ssZ

std::optional<int> ReadDigits(std::string_view text, std::size_t at,
                              std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') {
      return std::nullopt;
    }
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

} // namespace

std::string IsoTimeText(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  const year_month_day date{sys_days{std::chrono::days{days}}};
  char text[32];
  std::snprintf(
      text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
      static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
      static_cast<unsigned>(date.day()), static_cast<int>(rest / 3600),
      static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
  return text;
}

std::optional<std::int64_t> SecondsOfIsoTime(std::string_view text) {
  if (text.size() != kIsoTimeLength || text[4] != '-' || text[7] != '-' ||
      text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
      text[19] != 'Z') {
    return std::nullopt;
  }
  const auto y = ReadDigits(text, 0, 4);
  const auto mo = ReadDigits(text, 5, 2);
  const auto d = ReadDigits(text, 8, 2);
  const auto h = ReadDigits(text, 11, 2);
  const auto mi = ReadDigits(text, 14, 2);
  const auto s = ReadDigits(text, 17, 2);
  if (!y || !mo || !d || !h || !mi || !s || *y < 1970 || *h > 23 || *mi > 59 ||
      *s > 59) {
    return std::nullopt;
  }
  const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) {
    return std::nullopt;
  }
  return sys_days{date}.time_since_epoch().count() * kSecondsPerDay +
         *h * 3600 + *mi * 60 + *s;
}

} // namespace slots::game
