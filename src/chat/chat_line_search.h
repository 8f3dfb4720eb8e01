#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_text_reader.h"

#include <optional>
#include <string>
#include <string_view>

namespace slots::chat {

// The one way the game reads the chat: fetch the whole text afresh and walk
// back from the newest line.
class ChatLineSearch {
public:
  ChatLineSearch(ChatConnection &connection, ChatTextReader &reader)
      : connection_(connection), reader_(reader) {}

  // Clears the delivered text, fetches the chat and starts a walk over it.
  // Empty when nothing was delivered: no earlier walk is continued then.
  std::optional<std::wstring> FetchNewestLineOfNewText();
  // The next older line, or "qmerror".
  std::wstring ReadOlderLine();
  // Fetches the chat and returns the newest line holding the marker.
  std::optional<std::wstring> FindNewestLineWith(std::wstring_view marker);

  ChatConnection &Connection() { return connection_; }

private:
  ChatConnection &connection_;
  ChatTextReader &reader_;
};

bool IsNoMoreLines(std::wstring_view line);
bool LineContains(std::wstring_view line, std::wstring_view marker);

} // namespace slots::chat
