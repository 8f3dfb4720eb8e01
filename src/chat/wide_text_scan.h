#pragma once

#include <cstddef>
#include <string_view>

namespace slots::chat {

// Searches over whole chat texts, which run to many megabytes. They look at
// blocks of characters at once and step into a block only when it holds the
// character sought, which keeps a walk as fast as one plain pass.

// The start of the last CR LF that ends at or before `end`, or npos.
std::size_t FindLastLineBreak(std::wstring_view text, std::size_t end);

// The position of the first NUL character, or npos.
std::size_t FindFirstNul(std::wstring_view text);

} // namespace slots::chat
