#include "chat/chat_line_search.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace slots::chat {

std::optional<std::wstring_view>
FetchedChatText::FindNewestLineWith(std::wstring_view marker,
                                    ChatTextReader &walk) const {
  // An empty text would continue whatever walk went before: a delivery of
  // nothing holds no line at all.
  if (IsEmpty())
    return std::nullopt;
  const std::wstring_view markers[] = {marker};
  std::size_t newerLines = 0;
  for (std::wstring_view line = walk.ReadChatLine(text_); !IsNoMoreLines(line);
       line = walk.ReadOlderLineWithAny(markers, newerLines)) {
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
  std::vector<std::wstring_view> missing(markers.begin(), markers.end());
  std::size_t newerLines = 0;
  ChatTextReader walk;
  for (std::wstring_view line = walk.ReadChatLine(text_);
       !missing.empty() && !IsNoMoreLines(line);
       line = walk.ReadOlderLineWithAny(missing, newerLines)) {
    for (std::size_t i = 0; i < markers.size(); ++i) {
      if (!found[i] && LineContains(line, markers[i]) &&
          (accepts.empty() || accepts[i](line))) {
        found[i] = FoundChatLine{line, walk};
        missing.erase(std::find(missing.begin(), missing.end(), markers[i]));
      }
    }
  }
}

FetchedChatText ChatLineSearch::FetchChatText() {
  // Replaced rather than cleared, so that no earlier text keeps its memory
  // while the new one arrives.
  connection_.DapiText() = ChatText(std::wstring());
  connection_.ChatGetAllText();
  return FetchedChatText(
      std::exchange(connection_.DapiText(), ChatText(std::wstring())));
}

bool AnyLine(std::wstring_view) { return true; }

bool IsNoMoreLines(std::wstring_view line) { return line == kNoMoreLines; }

bool LineContains(std::wstring_view line, std::wstring_view marker) {
  return line.find(marker) != std::wstring_view::npos;
}

} // namespace slots::chat
