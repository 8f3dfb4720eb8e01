#include "chat/chat_place.h"

#include "chat/chat_text_reader.h"

namespace slots::chat {
namespace {

// Long enough that a run of lines turns up twice only when whole games with
// their balances repeat word for word.
constexpr std::size_t kMarkingLines = 32;

// Steps through the lines of a text as a walk does, newest first: a line
// reading "qmerror" ends it as it ends a walk.
class LineSteps {
public:
  explicit LineSteps(const ChatText &text) : text_(text) {
    if (!text.IsEmpty())
      Keep(text.NewestLine());
  }

  const std::optional<LineSpan> &Line() const { return line_; }
  void StepBack() { Keep(text_.LineBefore(*line_)); }

private:
  void Keep(std::optional<LineSpan> line) {
    line_ = line && !text_.LineReads(*line, kNoMoreLines) ? line : std::nullopt;
  }

  const ChatText &text_;
  std::optional<LineSpan> line_;
};

} // namespace

ChatPlace ChatPlace::OfLine(const ChatText &text, std::size_t newerLines) {
  ChatPlace place;
  place.newerLines_ = newerLines;
  for (LineSteps steps(text);
       steps.Line() && place.endingLines_.size() < kMarkingLines;
       steps.StepBack()) {
    place.endingLines_.push_back(text.HashOfLine(*steps.Line()));
  }
  return place;
}

std::optional<std::size_t>
ChatPlace::NewerLinesIn(const ChatText &laterText) const {
  const std::size_t runLength = endingLines_.size();
  if (runLength == 0) {
    return std::nullopt;
  }
  // The last `runLength` lines read, newest first, in a ring.
  std::vector<std::size_t> window(runLength);
  std::size_t linesRead = 0;
  for (LineSteps steps(laterText); steps.Line(); steps.StepBack()) {
    window[linesRead % runLength] = laterText.HashOfLine(*steps.Line());
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
