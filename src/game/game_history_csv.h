#pragma once

#include "game/game_record.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slots::game {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// The games as CSV (RFC 4180): one header line, one line per game, each
// ended by CR LF, in UTF-8. Times in ISO 8601 UTC; fields that hold a comma,
// a quote, a line break, a non-ASCII letter or blanks at an end are quoted.
std::string HistoryCsvHeader();
std::string HistoryCsvLine(const GameRecord &record);
// Nothing for a line that is no game of ours: the header, a torn line, a
// line someone else wrote.
std::optional<GameRecord> ParseHistoryCsvLine(std::string_view line);

// A whole CSV file: byte-order mark, header, the games oldest first.
std::string HistoryCsvDocument(const std::deque<GameRecord> &records);

// The newest games of a piece of a history file, oldest first. When the
// piece is no file's start its first line is a part and is skipped; a last
// line without its line end is torn and skipped; so is every line that is no
// game of ours.
std::vector<GameRecord> ReadHistoryTail(std::string_view bytes,
                                        bool atFileStart, std::size_t newest);

// "Gold Bar / 7 / Cherry"; a blank reel shows nothing between its slashes.
std::wstring SpinText(const SpinSymbols &spin);
// The held reels' numbers, "1 3"; empty when none was held.
std::wstring HeldText(const std::array<bool, kReelCount> &held);
std::wstring ResultText(GameResult result);

} // namespace slots::game
