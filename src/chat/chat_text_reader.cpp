#include "chat/chat_text_reader.h"

#include <algorithm>
#include <utility>

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::wstring_view::npos;

// The start of the last CR LF that ends at or before `end`. A plain loop:
// the library's reverse search compares the whole pattern at every position,
// which made the walk several times slower than the scan itself.
std::size_t FindLastLineBreak(std::wstring_view text, std::size_t end) {
  for (std::size_t i = end; i >= 2; --i) {
    if (text[i - 1] == L'\n' && text[i - 2] == L'\r')
      return i - 2;
  }
  return kNotFound;
}

} // namespace

std::wstring ChatTextReader::ReadChatLine(std::wstring text,
                                          std::wstring_view lineBreak) {
  return std::wstring(ReadChatLineView(std::move(text), lineBreak));
}

std::wstring_view
ChatTextReader::ReadChatLineView(std::wstring text,
                                 std::wstring_view lineBreak) {
  if (text.empty())
    return ReadOlderLine();

  text_ = std::move(text);
  remainingLength_ = text_.size();
  const std::size_t lastBreak = lineBreak == kLineBreak
                                    ? FindLastLineBreak(text_, text_.size())
                                : lineBreak.empty() ? kNotFound
                                                    : text_.rfind(lineBreak);
  const std::wstring_view whole = text_;
  if (lastBreak == kNotFound)
    return whole;
  // The newest line stays in the remaining text; steps back only hand out
  // lines that end with a line break, so it is never given twice.
  return whole.substr(lastBreak + lineBreak.size());
}

std::wstring_view ChatTextReader::ReadOlderLine() {
  const std::wstring_view remaining = RemainingChatText();
  remainingLength_ = 0;

  const std::size_t lineEnd = FindLastLineBreak(remaining, remaining.size());
  if (lineEnd == kNotFound)
    return kNoMoreLines;

  const std::size_t previousBreak = FindLastLineBreak(remaining, lineEnd);
  const std::size_t lineStart =
      previousBreak == kNotFound ? 0 : previousBreak + kLineBreak.size();
  remainingLength_ = lineStart;
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
