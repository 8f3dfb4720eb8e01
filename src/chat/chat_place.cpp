#include "chat/chat_place.h"

#include "chat/chat_text_reader.h"

#include <algorithm>
#include <functional>

namespace slots::chat {
namespace {

// Long enough that a run of lines turns up twice only when whole games with
// their balances repeat word for word.
constexpr std::size_t kMarkingLines = 32;

std::size_t HashLine(std::wstring_view line) {
  return std::hash<std::wstring_view>{}(line);
}

} // namespace

ChatPlace ChatPlace::OfLine(std::wstring_view text, std::size_t newerLines) {
  ChatPlace place;
  place.newerLines_ = newerLines;
  ChatTextReader walk;
  for (std::wstring_view line = walk.ReadChatLine(text);
       place.endingLines_.size() < kMarkingLines && !text.empty() &&
       line != kNoMoreLines;
       line = walk.ReadChatLine({})) {
    place.endingLines_.push_back(HashLine(line));
  }
  return place;
}

std::optional<std::size_t>
ChatPlace::NewerLinesIn(std::wstring_view laterText) const {
  const std::size_t runLength = endingLines_.size();
  if (runLength == 0 || laterText.empty()) {
    return std::nullopt;
  }
  // The last `runLength` lines read, newest first, in a ring.
  std::vector<std::size_t> window(runLength);
  std::size_t linesRead = 0;
  ChatTextReader walk;
  for (std::wstring_view line = walk.ReadChatLine(laterText);
       line != kNoMoreLines; line = walk.ReadChatLine({})) {
    window[linesRead % runLength] = HashLine(line);
    ++linesRead;
    if (linesRead < runLength ||
        window[(linesRead - 1) % runLength] != endingLines_.back()) {
      continue;
    }
    const std::size_t runStart = linesRead - runLength;
    bool matches = true;
    for (std::size_t i = 0; i < runLength && matches; ++i) {
      matches = window[(runStart + i) % runLength] == endingLines_[i];
    }
    if (matches) {
      return runStart + newerLines_;
    }
  }
  return std::nullopt;
}

} // namespace slots::chat
