#include "chat/chat_line_search.h"

#include <utility>

namespace slots::chat {

std::optional<std::wstring_view>
FetchedChatText::FindNewestLineWith(std::wstring_view marker,
                                    ChatTextReader &walk) const {
  // An empty text would continue whatever walk went before: a delivery of
  // nothing holds no line at all.
  if (IsEmpty())
    return std::nullopt;
  for (std::wstring_view line = walk.ReadChatLine(text_); !IsNoMoreLines(line);
       line = walk.ReadChatLine({})) {
    if (LineContains(line, marker))
      return line;
  }
  return std::nullopt;
}

std::optional<std::wstring_view>
FetchedChatText::FindNewestLineWith(std::wstring_view marker) const {
  ChatTextReader walk;
  return FindNewestLineWith(marker, walk);
}

void FetchedChatText::WalkToMarkers(
    std::span<const std::wstring_view> markers,
    std::span<const LineFilter> accepts,
    std::span<std::optional<FoundChatLine>> found) const {
  if (IsEmpty())
    return;
  std::size_t missing = markers.size();
  ChatTextReader walk;
  for (std::wstring_view line = walk.ReadChatLine(text_);
       missing > 0 && !IsNoMoreLines(line); line = walk.ReadChatLine({})) {
    for (std::size_t i = 0; i < markers.size(); ++i) {
      if (!found[i] && LineContains(line, markers[i]) &&
          (accepts.empty() || accepts[i](line))) {
        found[i] = FoundChatLine{line, walk};
        --missing;
      }
    }
  }
}

FetchedChatText ChatLineSearch::FetchChatText() {
  // Swapped out rather than cleared, so that no earlier text keeps its
  // memory while the new one arrives.
  std::wstring().swap(connection_.DapiText());
  connection_.ChatGetAllText();
  return FetchedChatText(std::exchange(connection_.DapiText(), {}));
}

bool AnyLine(std::wstring_view) { return true; }

bool IsNoMoreLines(std::wstring_view line) { return line == kNoMoreLines; }

bool LineContains(std::wstring_view line, std::wstring_view marker) {
  return line.find(marker) != std::wstring_view::npos;
}

} // namespace slots::chat
