#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace slots::chat {

inline constexpr std::wstring_view kLineBreak = L"\r\n";
// What ReadChatLine answers when no complete line is left.
inline constexpr std::wstring_view kNoMoreLines = L"qmerror";

// Hands out the lines of one chat text, newest first. The text is kept once;
// each step back only moves an end position, so a step costs the length of
// the line it returns.
class ChatTextReader {
public:
  // A non-empty text starts a new walk and returns its newest line; an empty
  // text returns the next older line of the current walk, or "qmerror".
  std::wstring ReadChatLine(std::wstring text,
                            std::wstring_view lineBreak = kLineBreak);
  // The same, without copying the line: the view stays valid until the next
  // walk starts.
  std::wstring_view ReadChatLineView(std::wstring text,
                                     std::wstring_view lineBreak = kLineBreak);

  // What has not yet been handed out as a complete line.
  std::wstring_view RemainingChatText() const {
    return std::wstring_view(text_).substr(0, remainingLength_);
  }

private:
  std::wstring_view ReadOlderLine();

  std::wstring text_;
  std::size_t remainingLength_ = 0;
};

// True when the text is non-empty and made only of the digits 0-9.
bool IsAllDigits(std::wstring_view text);
bool IsAllDigits(std::string_view text);

} // namespace slots::chat
