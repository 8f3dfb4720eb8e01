#pragma once

#include "chat/chat_text.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace slots::chat {

inline constexpr std::wstring_view kLineBreak = L"\r\n";
// What ReadChatLine answers when no complete line is left.
inline constexpr std::wstring_view kNoMoreLines = L"qmerror";

// Hands out the lines of one chat text, newest first, as views: the caller
// keeps the text alive for the walk, so a chat text of many megabytes exists
// once and a step costs only the length of its line.
class ChatTextReader {
public:
  // A non-empty text starts a new walk and returns its newest line; an empty
  // text returns the next older line of the current walk, or "qmerror".
  std::wstring_view ReadChatLine(std::wstring_view text,
                                 std::wstring_view lineBreak = kLineBreak);
  // The same over a delivered text, whose lines are decoded only as the walk
  // reaches them and stay as long as the text does.
  std::wstring_view ReadChatLine(const ChatText &text);

  // Steps back to the next older line that holds one of the markers (or
  // reads "qmerror"), exactly where steps of ReadChatLine({}) would stop at
  // it, and adds the lines stepped back to `newerLines`. Over a delivered
  // text it searches for the markers rather than reading every line, so the
  // lines passed over are never decoded.
  std::wstring_view
  ReadOlderLineWithAny(std::span<const std::wstring_view> markers,
                       std::size_t &newerLines);

  // What a walk begun with a plain text has not yet handed out as a complete
  // line. (A walk over a delivered text keeps its place as a position.)
  std::wstring_view RemainingChatText() const { return remaining_; }

private:
  std::wstring_view ReadOlderLine();
  std::wstring_view ReadOlderDeliveredLine();
  std::wstring_view
  SearchOlderDeliveredLine(std::span<const std::wstring_view> markers,
                           std::size_t &newerLines);

  std::wstring_view remaining_;
  const ChatText *text_ = nullptr;
  std::size_t remainingEnd_ = 0;
};

// True when the text is non-empty and made only of the digits 0-9.
bool IsAllDigits(std::wstring_view text);
bool IsAllDigits(std::string_view text);

} // namespace slots::chat
