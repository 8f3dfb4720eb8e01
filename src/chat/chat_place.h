#pragma once

#include "chat/chat_text.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace slots::chat {

// A line of one chat text, found again in a later text. The chat client
// drops its oldest lines as the chat grows, so neither an offset nor the
// line's own words mark a place: a machinekeeper may send the same words
// game after game. What marks it is the run of lines that ended the chat
// when it was read; the later text holds that run, and the line lies a known
// number of lines before its end.
class ChatPlace {
public:
  // The line of `text` that has `newerLines` lines after it.
  static ChatPlace OfLine(const ChatText &text, std::size_t newerLines);

  // How many lines of `laterText` are newer than the place's line. Empty
  // when the later text no longer holds the run that marks it.
  std::optional<std::size_t> NewerLinesIn(const ChatText &laterText) const;

  bool operator==(const ChatPlace &) const = default;

private:
  // Lines of the run, newest first, kept as hashes of the text's own units,
  // never decoded: a run of long lines costs no more than a run of short ones.
  std::vector<std::size_t> endingLines_;
  std::size_t newerLines_ = 0;
};

} // namespace slots::chat
