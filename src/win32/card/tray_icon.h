#pragma once

#include <windows.h>

namespace slots::win32 {

inline constexpr wchar_t kTrayTip[] = L"Slots Card";

// The card's icon in the notification area while the card hides there. The
// icon goes when the card is restored and, at the latest, when this object
// goes, so no ghost icon is left behind.
class TrayIcon {
public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon &) = delete;
  TrayIcon &operator=(const TrayIcon &) = delete;
  ~TrayIcon() { Remove(); }

  // Mouse events on the icon reach the window as kTrayCallbackMessage. False
  // when the taskbar did not take the icon (there may be no taskbar yet).
  bool Add(HWND window, HICON icon);
  void Remove();
  // A notification beside the icon; a click on it reaches the window as
  // NIN_BALLOONUSERCLICK. False without the icon or when the shell refuses.
  bool Notify(const wchar_t *title, const wchar_t *text);
  bool IsShown() const { return window_ != nullptr; }

private:
  HWND window_ = nullptr;
};

} // namespace slots::win32
