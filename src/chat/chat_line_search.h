#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_text_reader.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace slots::chat {

// Tells which of the lines holding a marker a walk may stop at; the others
// are passed over as if they held no marker.
using LineFilter = std::function<bool(std::wstring_view line)>;
bool AnyLine(std::wstring_view line);

// A line a walk stopped at, and the walk as it stood there: it goes on to the
// lines older than this one.
struct FoundChatLine {
  std::wstring_view line;
  ChatTextReader olderLines;
};

// The chat text one fetch delivered. A click fetches once and walks this one
// text as often as it needs; the text goes when the click lets go of it, so
// nothing of a chat text stays between clicks.
class FetchedChatText {
public:
  explicit FetchedChatText(ChatText text) : text_(std::move(text)) {}

  // The chat client delivered nothing (or gave up): every walk finds nothing.
  bool IsEmpty() const { return text_.IsEmpty(); }
  const ChatText &Text() const { return text_; }

  // Walks back from the newest line to the newest line holding the marker.
  // Empty when no such line comes before the walk runs out. The line lasts
  // as long as this text; `walk` can go on to older lines from there. The
  // walk searches for the marker, so lines without it are never decoded.
  std::optional<std::wstring_view>
  FindNewestLineWith(std::wstring_view marker, ChatTextReader &walk) const;
  std::optional<std::wstring_view>
  FindNewestLineWith(std::wstring_view marker) const;
  // The same for several markers in one walk, which ends once every marker
  // has its line: the text is read once however many lines a click needs.
  template <std::size_t N>
  std::array<std::optional<FoundChatLine>, N>
  FindNewestLinesWith(const std::wstring_view (&markers)[N]) const {
    std::array<std::optional<FoundChatLine>, N> found;
    WalkToMarkers(markers, {}, found);
    return found;
  }
  // The same, where each marker counts only in the lines its filter accepts.
  template <std::size_t N>
  std::array<std::optional<FoundChatLine>, N>
  FindNewestLinesWith(const std::wstring_view (&markers)[N],
                      const LineFilter (&accepts)[N]) const {
    std::array<std::optional<FoundChatLine>, N> found;
    WalkToMarkers(markers, accepts, found);
    return found;
  }

private:
  // An empty list of filters lets every line holding a marker count.
  void WalkToMarkers(std::span<const std::wstring_view> markers,
                     std::span<const LineFilter> accepts,
                     std::span<std::optional<FoundChatLine>> found) const;

  ChatText text_;
};

// The one way the game reads the chat: fetch the whole text afresh, once per
// click, and walk back from its newest line.
class ChatLineSearch {
public:
  explicit ChatLineSearch(ChatConnection &connection)
      : connection_(connection) {}

  // Clears the delivered text, asks the chat library for the chat once and
  // takes what it delivered.
  FetchedChatText FetchChatText();

  ChatConnection &Connection() { return connection_; }

private:
  ChatConnection &connection_;
};

bool IsNoMoreLines(std::wstring_view line);
bool LineContains(std::wstring_view line, std::wstring_view marker);

} // namespace slots::chat
