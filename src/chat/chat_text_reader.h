#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace slots::chat {

inline constexpr std::wstring_view kLineBreak = L"\r\n";
// What ReadChatLine answers when no complete line is left.
inline constexpr std::wstring_view kNoMoreLines = L"qmerror";

// Hands out the lines of one chat text, newest first, as views into that
// text: the caller keeps the text alive for the walk, so a chat text of many
// megabytes exists once and a step costs only the length of its line.
class ChatTextReader {
public:
  // A non-empty text starts a new walk and returns its newest line; an empty
  // text returns the next older line of the current walk, or "qmerror".
  std::wstring_view ReadChatLine(std::wstring_view text,
                                 std::wstring_view lineBreak = kLineBreak);

  // What has not yet been handed out as a complete line.
  std::wstring_view RemainingChatText() const { return remaining_; }

private:
  std::wstring_view ReadOlderLine();

  std::wstring_view remaining_;
};

// True when the text is non-empty and made only of the digits 0-9.
bool IsAllDigits(std::wstring_view text);
bool IsAllDigits(std::string_view text);

} // namespace slots::chat
