#include "win32/platform/window_text.h"

namespace slots::win32 {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ShowWindowText(HWND window, const std::wstring &text) {
  if (WindowText(window) != text) {
    SetWindowTextW(window, text.c_str());
  }
}

} // namespace slots::win32
