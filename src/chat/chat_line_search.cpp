#include "chat/chat_line_search.h"

#include <utility>

namespace slots::chat {

std::optional<std::wstring> ChatLineSearch::FetchNewestLineOfNewText() {
  connection_.DapiText().clear();
  connection_.ChatGetAllText();
  if (connection_.DapiText().empty())
    return std::nullopt;
  // The reader keeps the text; the delivered copy is not needed again.
  return reader_.ReadChatLine(std::exchange(connection_.DapiText(), {}));
}

std::wstring ChatLineSearch::ReadOlderLine() {
  return reader_.ReadChatLine({});
}

std::optional<std::wstring>
ChatLineSearch::FindNewestLineWith(std::wstring_view marker) {
  connection_.DapiText().clear();
  connection_.ChatGetAllText();
  for (std::wstring_view line =
           reader_.ReadChatLineView(std::exchange(connection_.DapiText(), {}));
       !IsNoMoreLines(line); line = reader_.ReadChatLineView({})) {
    if (LineContains(line, marker))
      return std::wstring(line);
  }
  return std::nullopt;
}

bool IsNoMoreLines(std::wstring_view line) { return line == kNoMoreLines; }

bool LineContains(std::wstring_view line, std::wstring_view marker) {
  return line.find(marker) != std::wstring_view::npos;
}

} // namespace slots::chat
