#pragma once

#include <windows.h>

#include <string>

namespace slots::win32 {

inline constexpr wchar_t kAboutBoxTitle[] = L"Tamsk's Slots Card";

// Six lines, the fifth empty; the trailing blanks of the first four are part
// of the text.
std::wstring AboutBoxText();

// Modal, OK with the information icon; returns when the player closes it.
void ShowAboutBox(HWND owner);

} // namespace slots::win32
