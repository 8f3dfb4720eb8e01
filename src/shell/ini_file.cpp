#include "shell/ini_file.h"

#include "shell/settings_file_access.h"

#include <algorithm>
#include <optional>

namespace slots::shell {

// Layout: a line whose first non-blank character is "[" starts a section,
// named by the text up to the first "]"; a line with "=" is a key line.
// Spaces and tabs around section names, key names and values are not part of
// them, nor are matching quotes around a value. Lines end in LF or CR LF; the
// first matching section and the first matching key in it count.

namespace {

constexpr std::string_view kNewLineBreak = "\r\n";

struct LineSpan {
  std::size_t begin = 0;
  std::size_t textEnd = 0; // where the line break starts
  std::size_t end = 0;     // after the line break
};

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

// Where a key is, or where it would go.
struct KeyPlace {
  bool sectionFound = false;
  std::optional<LineSpan> keyLine;
  std::string_view value;
  // The section's header or last key line; a new key line goes after it.
  LineSpan lastLineOfSection;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](char x, char y) { return ToLowerAscii(x) == ToLowerAscii(y); });
}

LineSpan FindLine(std::string_view content, std::size_t begin) {
  const std::size_t newline = content.find('\n', begin);
  if (newline == std::string_view::npos) {
    return {begin, content.size(), content.size()};
  }
  std::size_t textEnd = newline;
  if (textEnd > begin && content[textEnd - 1] == '\r') {
    --textEnd;
  }
  return {begin, textEnd, newline + 1};
}

std::optional<std::string_view> ReadSectionName(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() != '[') {
    return std::nullopt;
  }
  const std::string_view inside = trimmed.substr(1);
  return TrimBlanks(inside.substr(0, inside.find(']')));
}

std::optional<KeyValue> ReadKeyValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  return KeyValue{TrimBlanks(line.substr(0, equals)),
                  TrimBlanks(line.substr(equals + 1))};
}

KeyPlace FindKey(std::string_view content, std::string_view section,
                 std::string_view key) {
  KeyPlace place;
  bool inSection = false;
  for (std::size_t begin = 0; begin < content.size();) {
    const LineSpan line = FindLine(content, begin);
    begin = line.end;
    const std::string_view text =
        content.substr(line.begin, line.textEnd - line.begin);
    if (const auto name = ReadSectionName(text)) {
      if (inSection) {
        break;
      }
      inSection = EqualsIgnoringCase(*name, section);
      if (inSection) {
        place.sectionFound = true;
        place.lastLineOfSection = line;
      }
      continue;
    }
    if (!inSection) {
      continue;
    }
    if (const auto pair = ReadKeyValue(text)) {
      place.lastLineOfSection = line;
      if (EqualsIgnoringCase(pair->key, key)) {
        place.keyLine = line;
        place.value = pair->value;
        break;
      }
    }
  }
  return place;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

// Windows' profile reader hands out a value written in matching single or
// double quotes without them.
std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && IsQuote(value.front()) &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that would change the layout of the file are refused.
bool CanWrite(std::string_view section, std::string_view key,
              std::string_view value) {
  return !TrimBlanks(section).empty() && !HasLineBreak(section) &&
         section.find(']') == std::string_view::npos &&
         !TrimBlanks(key).empty() && !HasLineBreak(key) &&
         key.find('=') == std::string_view::npos &&
         TrimBlanks(key).front() != '[' && !HasLineBreak(value);
}

std::string ToUpperCase(std::string_view text) {
  std::string converted(text);
  std::ranges::transform(converted, converted.begin(), ToUpperAscii);
  return converted;
}

// Changes the text in place: a save puts several keys into one text.
void PutKeyLine(std::string &content, std::string_view section,
                std::string_view key, std::string_view keyLine) {
  const KeyPlace place = FindKey(content, section, key);
  if (place.keyLine) {
    content.replace(place.keyLine->begin,
                    place.keyLine->textEnd - place.keyLine->begin, keyLine);
    return;
  }
  std::string lines;
  if (place.sectionFound) {
    const LineSpan &after = place.lastLineOfSection;
    if (after.textEnd == after.end) {
      lines.append(kNewLineBreak);
    }
    lines.append(keyLine);
    lines.append(kNewLineBreak);
    content.insert(after.end, lines);
    return;
  }
  if (!content.empty() && content.back() != '\n') {
    lines.append(kNewLineBreak);
  }
  lines.append("[");
  lines.append(section);
  lines.append("]");
  lines.append(kNewLineBreak);
  lines.append(keyLine);
  lines.append(kNewLineBreak);
  content.append(lines);
}

// A file over the size limit is nobody's settings: it reads as nothing, like
// a file that cannot be read.
std::optional<std::string> ReadSettingsText(const std::filesystem::path &file,
                                            SettingsFileAccess &files) {
  std::optional<std::string> content = files.ReadWholeFile(file);
  if (content && content->size() > kMaxSettingsFileSize) {
    return std::nullopt;
  }
  return content;
}

} // namespace

std::string ReadIniValue(std::string_view section, std::string_view key,
                         const std::filesystem::path &file,
                         SettingsFileAccess &files) {
  const std::optional<std::string> content = ReadSettingsText(file, files);
  if (!content) {
    return std::string();
  }
  const KeyPlace place =
      FindKey(*content, TrimBlanks(section), TrimBlanks(key));
  return std::string(WithoutQuotes(place.value).substr(0, kMaxIniValueLength));
}

bool WriteIniValue(std::string_view section, std::string_view key,
                   std::string_view value, const std::filesystem::path &file,
                   SettingsFileAccess &files) {
  const IniEntry entry{std::string(key), std::string(value)};
  return WriteIniValues(section, {&entry, 1}, file, files);
}

bool WriteIniValues(std::string_view section, std::span<const IniEntry> entries,
                    const std::filesystem::path &file,
                    SettingsFileAccess &files) {
  const bool writable =
      std::ranges::all_of(entries, [section](const IniEntry &entry) {
        return CanWrite(section, entry.key, entry.value);
      });
  if (!writable) {
    return false;
  }
  std::optional<std::string> content = ReadSettingsText(file, files);
  if (!content) {
    return false;
  }
  // Each key goes in as a write of its own would put it, one after another,
  // but into the text in memory: the file is replaced once.
  for (const IniEntry &entry : entries) {
    const std::string upperKey = ToUpperCase(TrimBlanks(entry.key));
    const std::string keyLine = upperKey + "=" + entry.value;
    PutKeyLine(*content, TrimBlanks(section), upperKey, keyLine);
  }
  // A file the card would refuse to read next time is not written.
  if (content->size() > kMaxSettingsFileSize) {
    return false;
  }
  return files.ReplaceFileAtomically(file, *content);
}

} // namespace slots::shell
