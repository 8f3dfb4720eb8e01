#pragma once

#include <string>

namespace slots::win32 {

inline constexpr wchar_t kAboutBoxTitle[] = L"Tamsk's Slots Card";

// Six lines, the fifth empty; the trailing blanks of the first four are part
// of the text. Shown as a notice: OK with the information icon.
std::wstring AboutBoxText();

} // namespace slots::win32
