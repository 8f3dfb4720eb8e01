#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slots::practice {

// Why the card will not write its screenshot to this path, or empty when it
// may try. It writes only to a file of this machine's folders: not to
// another machine (\\server\share), not to a device (\\.\, \\?\, CON, NUL,
// COM1, ...) and not to a stream of a file (card.bmp:stream).
std::optional<std::wstring> RefusalOfScreenshotPath(std::wstring_view path);

} // namespace slots::practice
