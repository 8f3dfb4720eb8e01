#pragma once

#include <windows.h>

#include <string>

namespace slots::win32 {

std::wstring WindowText(HWND window);
// Sets the text only when it differs, so an unchanged control does not
// repaint.
void ShowWindowText(HWND window, const std::wstring &text);

} // namespace slots::win32
