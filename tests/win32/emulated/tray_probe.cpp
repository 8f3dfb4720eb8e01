// Tells by its exit status whether this Wine's taskbar takes a tray icon at
// all: 0 when a plain window could add one, 1 when it could not.
#include <windows.h>

#include <shellapi.h>

namespace {

class ProbeWindow {
public:
  ProbeWindow()
      : window_(CreateWindowW(L"STATIC", L"tray probe", WS_OVERLAPPEDWINDOW, 0,
                              0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr)) {}
  ~ProbeWindow() {
    if (window_ != nullptr)
      DestroyWindow(window_);
  }
  ProbeWindow(const ProbeWindow &) = delete;
  ProbeWindow &operator=(const ProbeWindow &) = delete;
  HWND Get() const { return window_; }

private:
  HWND window_;
};

} // namespace

int main() {
  ProbeWindow window;
  if (window.Get() == nullptr)
    return 1;
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = window.Get();
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(icon.szTip, L"tray probe", ARRAYSIZE(icon.szTip));
  // The desktop process that holds the taskbar may still be starting.
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (Shell_NotifyIconW(NIM_ADD, &icon)) {
      Shell_NotifyIconW(NIM_DELETE, &icon);
      return 0;
    }
    Sleep(500);
  }
  return 1;
}
