#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

// "2026-12-08T14:05:59Z" for seconds since 1970-01-01 00:00 UTC.
std::string IsoTimeText(std::int64_t seconds);
// The seconds of exactly that form (years 1970 to 9999); nothing otherwise.
std::optional<std::int64_t> SecondsOfIsoTime(std::string_view text);

} // namespace slots::game
