#include "win32/card/tray_icon.h"

#include "win32/card/card_control_ids.h"
#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <shellapi.h>

#include <cwchar>

namespace slots::win32 {
namespace {

// The shell's library is loaded the first time the card goes to the tray,
// not at every start.
BOOL NotifyShell(DWORD message, NOTIFYICONDATAW *record) {
  using NotifyFunction = BOOL(WINAPI *)(DWORD, PNOTIFYICONDATAW);
  static const NotifyFunction notify = FindExport<NotifyFunction>(
      LoadSystemLibraryForProcess(L"shell32.dll"), "Shell_NotifyIconW");
  return notify != nullptr && notify(message, record);
}

NOTIFYICONDATAW IconRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  record.uID = kTrayIconId;
  return record;
}

} // namespace

bool TrayIcon::Add(HWND window, HICON icon) {
  Remove();
  NOTIFYICONDATAW record = IconRecord(window);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  wcsncpy(record.szTip, kTrayTip, sizeof(record.szTip) / sizeof(wchar_t) - 1);
  if (!NotifyShell(NIM_ADD, &record)) {
    return false;
  }
  window_ = window;
  return true;
}

bool TrayIcon::Notify(const wchar_t *title, const wchar_t *text) {
  if (window_ == nullptr) {
    return false;
  }
  NOTIFYICONDATAW record = IconRecord(window_);
  record.uFlags = NIF_INFO;
  record.dwInfoFlags = NIIF_INFO;
  // Cut to fit: the shell takes no longer texts.
  wcsncpy(record.szInfoTitle, title,
          sizeof(record.szInfoTitle) / sizeof(wchar_t) - 1);
  wcsncpy(record.szInfo, text, sizeof(record.szInfo) / sizeof(wchar_t) - 1);
  return NotifyShell(NIM_MODIFY, &record) != FALSE;
}

void TrayIcon::Remove() {
  if (window_ == nullptr) {
    return;
  }
  NOTIFYICONDATAW record = IconRecord(window_);
  NotifyShell(NIM_DELETE, &record);
  window_ = nullptr;
}

} // namespace slots::win32
