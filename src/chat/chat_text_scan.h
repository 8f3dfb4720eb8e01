#pragma once

#include "chat/chat_text_decoder.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace slots::chat {

// Searches over whole chat texts, as the program's own characters or as the
// chat library's bytes. They look at blocks at once and step into a block
// only when it holds what is sought, so a search costs one plain pass.
//
// In bytes, a CR LF is a line break unless a two-byte character takes its CR
// (see ChatTextDecoder::TakesNextByte); as characters, every CR LF is one.

// The start of the last line break that ends at or before `end`, or npos.
std::size_t FindLastLineBreak(std::string_view text, std::size_t end,
                              const ChatTextDecoder &decoder);

// The start of the first line break that starts at or after `from`, or npos.
std::size_t FindNextLineBreak(std::string_view text, std::size_t from,
                              const ChatTextDecoder &decoder);
std::size_t FindNextLineBreak(std::wstring_view text, std::size_t from);

// How many line breaks start in [from, to).
std::size_t CountLineBreaks(std::string_view text, std::size_t from,
                            std::size_t to, const ChatTextDecoder &decoder);
std::size_t CountLineBreaks(std::wstring_view text, std::size_t from,
                            std::size_t to);

// The start of the last match of any of the keys (texts of characters below
// 0x80) that ends at or before `end`, or npos. Empty keys match nothing.
// One pass back from `end` looks for all of them at once.
std::size_t FindLastOfKeys(std::string_view text,
                           std::span<const std::string> keys, std::size_t end);
std::size_t FindLastOfKeys(std::wstring_view text,
                           std::span<const std::string> keys, std::size_t end);

} // namespace slots::chat
