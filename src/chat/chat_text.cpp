#include "chat/chat_text.h"

#include "chat/chat_text_scan.h"
#include "chat/wide_text_scan.h"

#include <algorithm>
#include <functional>

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::wstring_view::npos;
// CR LF, in bytes and in characters alike.
constexpr std::size_t kBreakSize = 2;

} // namespace

std::wstring ChatText::WholeText() const {
  if (!decoder_)
    return wide_;
  std::wstring text;
  decoder_->AppendDecoded(bytes_, text);
  return text;
}

LineSpan ChatText::NewestLine() const {
  const std::size_t lastBreak = FindLastLineBreak(Size());
  return {lastBreak == kNotFound ? 0 : lastBreak + kBreakSize, Size()};
}

std::optional<LineSpan> ChatText::LineBefore(LineSpan line) const {
  if (line.start < kBreakSize)
    return std::nullopt;
  const std::size_t lineEnd = line.start - kBreakSize;
  const std::size_t previousBreak = FindLastLineBreak(lineEnd);
  return LineSpan{previousBreak == kNotFound ? 0 : previousBreak + kBreakSize,
                  lineEnd};
}

std::size_t ChatText::FindLastLineBreak(std::size_t end) const {
  return decoder_ ? chat::FindLastLineBreak(bytes_, end, *decoder_)
                  : chat::FindLastLineBreak(wide_, end);
}

std::size_t ChatText::FindNextLineBreak(std::size_t from) const {
  return decoder_ ? chat::FindNextLineBreak(bytes_, from, *decoder_)
                  : chat::FindNextLineBreak(wide_, from);
}

std::size_t ChatText::CountLineBreaks(std::size_t from, std::size_t to) const {
  return decoder_ ? chat::CountLineBreaks(bytes_, from, to, *decoder_)
                  : chat::CountLineBreaks(wide_, from, to);
}

std::size_t ChatText::FindLastOfKeys(std::span<const std::string> keys,
                                     std::size_t end) const {
  return decoder_ ? chat::FindLastOfKeys(bytes_, keys, end)
                  : chat::FindLastOfKeys(wide_, keys, end);
}

std::wstring_view ChatText::KeptLine(LineSpan line) const {
  if (!decoder_)
    return std::wstring_view(wide_).substr(line.start, line.end - line.start);
  const auto [kept, isNew] = keptLines_.try_emplace(line.start);
  if (isNew)
    decoder_->AppendDecoded(
        std::string_view(bytes_).substr(line.start, line.end - line.start),
        kept->second);
  return kept->second;
}

std::wstring_view ChatText::LineIn(LineSpan line, std::wstring &buffer) const {
  if (!decoder_)
    return KeptLine(line);
  buffer.clear();
  decoder_->AppendDecoded(
      std::string_view(bytes_).substr(line.start, line.end - line.start),
      buffer);
  return buffer;
}

std::size_t ChatText::HashOfLine(LineSpan line) const {
  const std::size_t length = line.end - line.start;
  return decoder_ ? std::hash<std::string_view>{}(
                        std::string_view(bytes_).substr(line.start, length))
                  : std::hash<std::wstring_view>{}(
                        std::wstring_view(wide_).substr(line.start, length));
}

bool ChatText::LineReads(LineSpan line, std::wstring_view text) const {
  if (line.end - line.start != text.size())
    return false;
  const auto start = static_cast<std::ptrdiff_t>(line.start);
  // A character below 0x80 comes only from the byte of the same value.
  return decoder_ ? std::equal(text.begin(), text.end(), bytes_.begin() + start,
                               [](wchar_t c, char byte) {
                                 return c == static_cast<unsigned char>(byte);
                               })
                  : std::equal(text.begin(), text.end(), wide_.begin() + start);
}

} // namespace slots::chat
