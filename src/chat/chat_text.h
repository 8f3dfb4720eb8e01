#pragma once

#include "chat/chat_text_decoder.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace slots::chat {

// Where one line of a chat text lies, in the text's own units (bytes or
// characters), its line break left out.
struct LineSpan {
  std::size_t start = 0;
  std::size_t end = 0;
};

// One whole chat text, kept as it was delivered: the program's own
// characters, or the chat library's bytes with the decoder that reads them.
// Bytes are decoded a line at a time, only where a walk asks for a line, so a
// walk that stops near the end costs what it reads. Positions count the
// text's own units; every line break is a CR LF in both.
class ChatText {
public:
  explicit ChatText(std::wstring text) : wide_(std::move(text)) {}
  // The decoder must outlive the text.
  ChatText(std::string bytes, const ChatTextDecoder &decoder)
      : bytes_(std::move(bytes)), decoder_(&decoder) {}
  ChatText(ChatText &&) noexcept = default;
  ChatText &operator=(ChatText &&) noexcept = default;
  ChatText(const ChatText &) = delete;
  ChatText &operator=(const ChatText &) = delete;

  bool IsEmpty() const { return Size() == 0; }
  std::size_t Size() const { return decoder_ ? bytes_.size() : wide_.size(); }
  // The whole text at once, as a walk would see it line by line.
  std::wstring WholeText() const;

  // The lines as ReadChatLine hands them out, without decoding them: the
  // newest (empty for an empty text), then each older one until none is left.
  LineSpan NewestLine() const;
  std::optional<LineSpan> LineBefore(LineSpan line) const;

  std::size_t FindLastLineBreak(std::size_t end) const;
  std::size_t FindNextLineBreak(std::size_t from) const;
  std::size_t CountLineBreaks(std::size_t from, std::size_t to) const;
  // See FindLastOfKeys in chat_text_scan.h.
  std::size_t FindLastOfKeys(std::span<const std::string> keys,
                             std::size_t end) const;

  // The line's text, which stays as long as this text does.
  std::wstring_view KeptLine(LineSpan line) const;
  // The line's text, which lasts until `buffer` changes.
  std::wstring_view LineIn(LineSpan line, std::wstring &buffer) const;
  // Equal for lines of equal units in texts of one kind.
  std::size_t HashOfLine(LineSpan line) const;
  // Whether the line reads `text`, a text of characters below 0x80.
  bool LineReads(LineSpan line, std::wstring_view text) const;

private:
  std::wstring wide_;
  std::string bytes_;
  const ChatTextDecoder *decoder_ = nullptr;
  // Decoded lines by where they start; a node never moves, so handed-out
  // views stay valid.
  mutable std::unordered_map<std::size_t, std::wstring> keptLines_;
};

} // namespace slots::chat
