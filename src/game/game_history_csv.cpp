#include "game/game_history_csv.h"

#include "game/iso_time.h"
#include "game/reel_symbols.h"
#include "game/utf8_text.h"

#include <algorithm>
#include <array>

namespace slots::game {
namespace {

constexpr std::array<std::string_view, 15> kColumns = {
    "Game",    "Time",    "Host",    "Table",   "First 1",
    "First 2", "First 3", "Held",    "Final 1", "Final 2",
    "Final 3", "Result",  "Balance", "Change",  "Table Pays"};
constexpr std::string_view kPracticeTable = "practice";
constexpr std::string_view kChatTable = "chat";
// A game number and a change fit these many digits; see BalanceValue.
constexpr std::size_t kLongestNumber = 15;
constexpr std::size_t kLongestChange = 13;

// Spreadsheet programs run a cell that starts with one of these as a
// formula, quoted or not.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";
// Marks a text cell that must not be run; it is no part of the text.
constexpr char kTextMark = '\'';

bool IsPlainNumber(std::string_view text) {
  if (text.starts_with('-') || text.starts_with('+')) {
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? "1" : text.substr(point + 1);
  const auto allDigits = [](std::string_view digits) {
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  return allDigits(whole) && allDigits(fraction);
}

// A text from the chat as a cell no spreadsheet runs: one that could be
// taken for a formula gets the mark in front, and so does one that starts
// with the mark, so that reading takes exactly one mark away.
std::string TextCell(std::string_view text) {
  const bool marked =
      !text.empty() && !IsPlainNumber(text) &&
      (kFormulaStarts.find(text.front()) != std::string_view::npos ||
       text.front() == kTextMark);
  return marked ? kTextMark + std::string(text) : std::string(text);
}

std::string_view TextOfCell(std::string_view cell) {
  if (cell.starts_with(kTextMark)) {
    cell.remove_prefix(1);
  }
  return cell;
}

bool NeedsQuotes(std::string_view field) {
  const bool blankAtEnd =
      !field.empty() && (field.front() == ' ' || field.back() == ' ');
  return blankAtEnd || std::any_of(field.begin(), field.end(), [](char c) {
           return c == ',' || c == '"' || c == '\r' || c == '\n' ||
                  static_cast<unsigned char>(c) >= 0x80;
         });
}

void AppendField(std::string &line, std::string_view field) {
  if (!line.empty()) {
    line += ',';
  }
  if (!NeedsQuotes(field)) {
    line += field;
    return;
  }
  line += '"';
  for (const char c : field) {
    line += c;
    if (c == '"') {
      line += '"';
    }
  }
  line += '"';
}

// Fields of one line; nothing when a quote is out of place.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
  std::vector<std::string> fields(1);
  std::size_t at = 0;
  while (at <= line.size()) {
    std::string &field = fields.back();
    if (at < line.size() && line[at] == '"') {
      for (++at;; ++at) {
        if (at >= line.size()) {
          return std::nullopt;
        }
        if (line[at] == '"') {
          if (at + 1 < line.size() && line[at + 1] == '"') {
            field += '"';
            ++at;
          } else {
            break;
          }
        } else {
          field += line[at];
        }
      }
      ++at;
    } else {
      const std::size_t end = std::min(line.find(',', at), line.size());
      field = line.substr(at, end - at);
      if (field.find('"') != std::string::npos) {
        return std::nullopt;
      }
      at = end;
    }
    if (at == line.size()) {
      return fields;
    }
    if (line[at] != ',') {
      return std::nullopt;
    }
    ++at;
    fields.emplace_back();
  }
  return fields;
}

std::optional<std::int64_t> ReadNumber(std::string_view text,
                                       std::size_t longest) {
  const bool negative = text.starts_with('-');
  if (negative) {
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > longest) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

std::optional<std::uint8_t> SymbolOfName(std::string_view name) {
  if (name.empty()) {
    return 0;
  }
  for (std::uint8_t symbol = 1; symbol <= kSymbolCount; ++symbol) {
    if (ToUtf8(SymbolName(symbol)) == name) {
      return symbol;
    }
  }
  return std::nullopt;
}

std::optional<GameResult> ResultOfText(std::string_view text) {
  for (const GameResult result :
       {GameResult::Win, GameResult::Loss, GameResult::Reset}) {
    if (ToUtf8(ResultText(result)) == text) {
      return result;
    }
  }
  return std::nullopt;
}

std::optional<std::array<bool, kReelCount>> HeldOfText(std::string_view text) {
  std::array<bool, kReelCount> held{};
  for (const char c : text) {
    if (c >= '1' && c <= '3') {
      held[static_cast<std::size_t>(c - '1')] = true;
    }
  }
  // Only the form this card writes.
  if (ToUtf8(HeldText(held)) != text) {
    return std::nullopt;
  }
  return held;
}

} // namespace

std::wstring SpinText(const SpinSymbols &spin) {
  std::wstring text;
  for (std::size_t reel = 0; reel < spin.size(); ++reel) {
    text += reel > 0 ? L" / " : L"";
    text += SymbolName(spin[reel]);
  }
  return text;
}

std::wstring HeldText(const std::array<bool, kReelCount> &held) {
  std::wstring text;
  for (std::size_t reel = 0; reel < held.size(); ++reel) {
    if (held[reel]) {
      text += text.empty() ? L"" : L" ";
      text += static_cast<wchar_t>(L'1' + reel);
    }
  }
  return text;
}

std::wstring ResultText(GameResult result) {
  switch (result) {
  case GameResult::Win:
    return L"win";
  case GameResult::Loss:
    return L"loss";
  case GameResult::Reset:
    return L"reset";
  }
  return {};
}

std::string HistoryCsvHeader() {
  std::string line;
  for (const std::string_view column : kColumns) {
    AppendField(line, column);
  }
  return line;
}

std::string HistoryCsvLine(const GameRecord &record) {
  std::string line;
  AppendField(line, std::to_string(record.number));
  AppendField(line, IsoTimeText(record.time));
  AppendField(line, TextCell(ToUtf8(record.host)));
  AppendField(line, record.practice ? kPracticeTable : kChatTable);
  for (const std::uint8_t symbol : record.firstSpin) {
    AppendField(line, ToUtf8(SymbolName(symbol)));
  }
  AppendField(line, ToUtf8(HeldText(record.held)));
  for (const std::uint8_t symbol : record.finalSpin) {
    AppendField(line, ToUtf8(SymbolName(symbol)));
  }
  AppendField(line, ToUtf8(ResultText(record.result)));
  AppendField(line, TextCell(ToUtf8(record.balance)));
  AppendField(line, record.change ? std::to_string(*record.change) : "");
  AppendField(line, TextCell(ToUtf8(record.tablePays)));
  return line;
}

std::optional<GameRecord> ParseHistoryCsvLine(std::string_view line) {
  const auto fields = SplitFields(line);
  if (!fields || fields->size() != kColumns.size()) {
    return std::nullopt;
  }
  const std::vector<std::string> &f = *fields;
  GameRecord record;
  const auto number = ReadNumber(f[0], kLongestNumber);
  const auto time = SecondsOfIsoTime(f[1]);
  const auto host = FromUtf8(TextOfCell(f[2]));
  const auto held = HeldOfText(f[7]);
  const auto result = ResultOfText(f[11]);
  const auto balance = FromUtf8(TextOfCell(f[12]));
  const auto tablePays = FromUtf8(TextOfCell(f[14]));
  const bool knownTable = f[3] == kPracticeTable || f[3] == kChatTable;
  if (!number || *number <= 0 || !time || !host || !knownTable || !held ||
      !result || !balance || !tablePays) {
    return std::nullopt;
  }
  if (!f[13].empty()) {
    record.change = ReadNumber(f[13], kLongestChange);
    if (!record.change) {
      return std::nullopt;
    }
  }
  for (std::size_t reel = 0; reel < kReelCount; ++reel) {
    const auto first = SymbolOfName(f[4 + reel]);
    const auto final = SymbolOfName(f[8 + reel]);
    if (!first || !final) {
      return std::nullopt;
    }
    record.firstSpin[reel] = *first;
    record.finalSpin[reel] = *final;
  }
  record.number = *number;
  record.time = *time;
  // Files of older cards may hold longer texts; they are kept as short as
  // the card's own.
  record.host = host->substr(0, GameRecord::kLongestText);
  record.practice = f[3] == kPracticeTable;
  record.held = *held;
  record.result = *result;
  record.balance = balance->substr(0, GameRecord::kLongestText);
  record.tablePays = tablePays->substr(0, GameRecord::kLongestText);
  return record;
}

std::string HistoryCsvDocument(const std::deque<GameRecord> &records) {
  std::string document(kUtf8ByteOrderMark);
  document += HistoryCsvHeader();
  document += kCsvLineEnd;
  for (const GameRecord &record : records) {
    document += HistoryCsvLine(record);
    document += kCsvLineEnd;
  }
  return document;
}

std::vector<GameRecord> ReadHistoryTail(std::string_view bytes,
                                        bool atFileStart, std::size_t newest) {
  if (atFileStart && bytes.starts_with(kUtf8ByteOrderMark)) {
    bytes.remove_prefix(kUtf8ByteOrderMark.size());
  } else if (!atFileStart) {
    const std::size_t firstEnd = bytes.find('\n');
    bytes.remove_prefix(firstEnd == std::string_view::npos ? bytes.size()
                                                           : firstEnd + 1);
  }
  std::vector<GameRecord> records;
  for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
       end = bytes.find('\n')) {
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (auto record = ParseHistoryCsvLine(line)) {
      records.push_back(std::move(*record));
    }
  }
  if (records.size() > newest) {
    records.erase(records.begin(),
                  records.end() - static_cast<std::ptrdiff_t>(newest));
  }
  return records;
}

} // namespace slots::game
