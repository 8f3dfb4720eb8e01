#include "win32/platform/routed_window.h"

namespace slots::win32 {
namespace {

LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto *target = reinterpret_cast<MessageTarget *>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
  if (target == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  // An exception cannot unwind through user32: it would end the program
  // without saving the player's settings. The one message is dropped and
  // the card goes on.
  try {
    return target->HandleMessage(window, message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace

void RegisterRoutedWindowClass(HINSTANCE instance, const wchar_t *className,
                               HBRUSH background) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, className, &windowClass)) {
    return;
  }
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = RouteMessage;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

HWND CreateRoutedWindow(MessageTarget &target, HINSTANCE instance,
                        const wchar_t *className, const wchar_t *caption,
                        DWORD style, DWORD exStyle, const RECT &outer,
                        HWND parent) {
  return CreateWindowExW(exStyle, className, caption, style, outer.left,
                         outer.top, outer.right - outer.left,
                         outer.bottom - outer.top, parent, nullptr, instance,
                         &target);
}

} // namespace slots::win32
