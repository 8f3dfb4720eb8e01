#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

// UTF-8 of a wide text; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
// The wide text of UTF-8; nothing when the bytes are no valid UTF-8.
std::optional<std::wstring> FromUtf8(std::string_view bytes);

} // namespace slots::game
