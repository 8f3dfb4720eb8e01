#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace slots::practice {

// The practice chat client's window text, line by line, as a chat client
// shows it: public lines, the player's echoed private lines and received
// private lines. Like a chat window it keeps only its newest lines.
class PracticeChatText {
public:
  static constexpr std::size_t kKeptLines = 1000;

  // speaker ": " text
  void AddPublicLine(std::wstring_view speaker, std::wstring_view text);
  // "ESP from " sender ": " message
  void AddReceivedPrivateLine(std::wstring_view sender,
                              std::wstring_view message);
  // "ESP to " user ": " message: the player's own message, echoed.
  void AddSentPrivateLine(std::wstring_view user, std::wstring_view message);
  // A line of the chat client's own, with no speaker.
  void AddClientLine(std::wstring_view text);

  // Every kept line, oldest first, joined with CR LF.
  std::wstring WholeText() const;
  const std::deque<std::wstring> &Lines() const { return lines_; }
  // Counts every line ever added, also those no longer kept: a change of it
  // means the text changed.
  std::uint64_t LinesAdded() const { return linesAdded_; }

private:
  void AddLine(std::wstring line);

  std::deque<std::wstring> lines_;
  std::uint64_t linesAdded_ = 0;
};

} // namespace slots::practice
