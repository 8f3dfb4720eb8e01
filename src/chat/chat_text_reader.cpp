#include "chat/chat_text_reader.h"

#include "chat/wide_text_scan.h"

#include <algorithm>
#include <utility>

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::wstring_view::npos;

} // namespace

std::wstring_view ChatTextReader::ReadChatLine(std::wstring_view text,
                                               std::wstring_view lineBreak) {
  if (text.empty())
    return ReadOlderLine();

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

std::wstring_view ChatTextReader::ReadOlderLine() {
  const std::wstring_view remaining = std::exchange(remaining_, {});

  const std::size_t lineEnd = FindLastLineBreak(remaining, remaining.size());
  if (lineEnd == kNotFound)
    return kNoMoreLines;

  const std::size_t previousBreak = FindLastLineBreak(remaining, lineEnd);
  const std::size_t lineStart =
      previousBreak == kNotFound ? 0 : previousBreak + kLineBreak.size();
  remaining_ = remaining.substr(0, lineStart);
  return remaining.substr(lineStart, lineEnd - lineStart);
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
