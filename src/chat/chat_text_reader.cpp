#include "chat/chat_text_reader.h"

#include "chat/wide_text_scan.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::wstring_view::npos;
constexpr std::size_t kBreakSize = kLineBreak.size();

bool HoldsAny(std::wstring_view line,
              std::span<const std::wstring_view> markers) {
  return line == kNoMoreLines ||
         std::any_of(markers.begin(), markers.end(), [&](std::wstring_view m) {
           return line.find(m) != std::wstring_view::npos;
         });
}

// What a byte search looks for in place of a marker: its longest run of
// characters below 0x80, which every code page spells as those very bytes.
// CR and LF are left out, so a match lies inside one line, and so is "?",
// which some code pages put for bytes they cannot read.
std::string SearchKeyOf(std::wstring_view marker) {
  std::string longest;
  std::string run;
  for (const wchar_t c : marker) {
    if (c < 0x80 && c != L'\r' && c != L'\n' && c != L'?') {
      run.push_back(static_cast<char>(c));
      if (run.size() > longest.size())
        longest = run;
    } else {
      run.clear();
    }
  }
  return longest;
}

} // namespace

std::wstring_view ChatTextReader::ReadChatLine(std::wstring_view text,
                                               std::wstring_view lineBreak) {
  if (text.empty())
    return ReadOlderLine();

  text_ = nullptr;
  remaining_ = text;
  const std::size_t lastBreak = lineBreak == kLineBreak
                                    ? FindLastLineBreak(text, text.size())
                                : lineBreak.empty() ? kNotFound
                                                    : text.rfind(lineBreak);
  if (lastBreak == kNotFound)
    return text;
  // The newest line stays in the remaining text; steps back only hand out
  // lines that end with a line break, so it is never given twice.
  return text.substr(lastBreak + lineBreak.size());
}

std::wstring_view ChatTextReader::ReadChatLine(const ChatText &text) {
  if (text.IsEmpty())
    return ReadOlderLine();

  text_ = &text;
  remaining_ = {};
  remainingEnd_ = text.Size();
  return text.KeptLine(text.NewestLine());
}

std::wstring_view
ChatTextReader::ReadOlderLineWithAny(std::span<const std::wstring_view> markers,
                                     std::size_t &newerLines) {
  const bool searchable =
      text_ != nullptr &&
      std::none_of(markers.begin(), markers.end(),
                   [](std::wstring_view m) { return SearchKeyOf(m).empty(); });
  if (searchable)
    return SearchOlderDeliveredLine(markers, newerLines);
  for (;;) {
    const std::wstring_view line = ReadOlderLine();
    ++newerLines;
    if (HoldsAny(line, markers))
      return line;
  }
}

std::wstring_view ChatTextReader::ReadOlderLine() {
  if (text_ != nullptr)
    return ReadOlderDeliveredLine();
  const std::wstring_view remaining = std::exchange(remaining_, {});

  const std::size_t lineEnd = FindLastLineBreak(remaining, remaining.size());
  if (lineEnd == kNotFound)
    return kNoMoreLines;

  const std::size_t previousBreak = FindLastLineBreak(remaining, lineEnd);
  const std::size_t lineStart =
      previousBreak == kNotFound ? 0 : previousBreak + kBreakSize;
  remaining_ = remaining.substr(0, lineStart);
  return remaining.substr(lineStart, lineEnd - lineStart);
}

std::wstring_view ChatTextReader::ReadOlderDeliveredLine() {
  const std::size_t lineEnd = text_->FindLastLineBreak(remainingEnd_);
  if (lineEnd == kNotFound) {
    remainingEnd_ = 0;
    return kNoMoreLines;
  }
  const std::size_t previousBreak = text_->FindLastLineBreak(lineEnd);
  const std::size_t lineStart =
      previousBreak == kNotFound ? 0 : previousBreak + kBreakSize;
  remainingEnd_ = lineStart;
  return text_->KeptLine({lineStart, lineEnd});
}

// The newest match of any marker proposes its line; the line's decoded text
// decides, since in a double-byte code page a marker's letters may be the
// second bytes of other characters. Lines between are only counted.
std::wstring_view ChatTextReader::SearchOlderDeliveredLine(
    std::span<const std::wstring_view> markers, std::size_t &newerLines) {
  std::vector<std::string> keys{SearchKeyOf(kNoMoreLines)};
  for (const std::wstring_view marker : markers)
    keys.push_back(SearchKeyOf(marker));
  std::wstring decoded;
  for (;;) {
    const std::size_t lineEnd = text_->FindLastLineBreak(remainingEnd_);
    const std::size_t proposal =
        lineEnd == kNotFound ? kNotFound : text_->FindLastOfKeys(keys, lineEnd);
    if (proposal == kNotFound) {
      remainingEnd_ = 0;
      return kNoMoreLines;
    }
    const std::size_t previousBreak = text_->FindLastLineBreak(proposal + 1);
    const LineSpan line{previousBreak == kNotFound ? 0
                                                   : previousBreak + kBreakSize,
                        text_->FindNextLineBreak(proposal)};
    newerLines += text_->CountLineBreaks(line.end + 1, lineEnd + 1) + 1;
    remainingEnd_ = line.start;
    if (HoldsAny(text_->LineIn(line, decoded), markers))
      return text_->KeptLine(line);
  }
}

bool IsAllDigits(std::wstring_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) {
    return c >= L'0' && c <= L'9';
  });
}

bool IsAllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
}

} // namespace slots::chat
