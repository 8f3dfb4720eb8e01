#pragma once

#include <windows.h>

namespace slots::win32 {

// An object that handles the messages of one window; the window is created
// with the object as its creation parameter.
class MessageTarget {
public:
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) = 0;

protected:
  ~MessageTarget() = default;
};

// Registers a class whose windows pass their messages to their target. Safe to
// call again for the same class.
void RegisterRoutedWindowClass(HINSTANCE instance, const wchar_t *className,
                               HBRUSH background);

HWND CreateRoutedWindow(MessageTarget &target, HINSTANCE instance,
                        const wchar_t *className, const wchar_t *caption,
                        DWORD style, DWORD exStyle, const RECT &outer,
                        HWND parent);

} // namespace slots::win32
