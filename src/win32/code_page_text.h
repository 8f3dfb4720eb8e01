#pragma once

#include <string>
#include <string_view>

namespace slots::win32 {

// 8-bit texts of the chat library and the file system, in the system code
// page, to and from the program's own text.
std::wstring WideFromSystemCodePage(std::string_view text);
std::string SystemCodePageFromWide(std::wstring_view text);

} // namespace slots::win32
