#include "win32/card/message_boxes.h"

#include <string_view>

namespace slots::win32 {
namespace {

constexpr wchar_t kMessageBoxClass[] = L"#32770";

bool IsMessageBoxOf(HWND window, HWND owner) {
  wchar_t className[16]{};
  GetClassNameW(window, className, 16);
  return GetWindow(window, GW_OWNER) == owner &&
         std::wstring_view(className) == kMessageBoxClass;
}

BOOL CALLBACK CloseIfOwnedBox(HWND window, LPARAM owner) {
  if (IsMessageBoxOf(window, reinterpret_cast<HWND>(owner))) {
    const int answer = GetDlgItem(window, IDNO) != nullptr ? IDNO : IDOK;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, answer)));
  }
  return TRUE;
}

} // namespace

int MessageBoxDialogs::ShowYesNoBox(const std::wstring &title,
                                    const std::wstring &prompt) {
  keys_.DropKeysPressedUntilNow();
  return MessageBoxW(owner_, prompt.c_str(), title.c_str(),
                     MB_YESNO | MB_ICONINFORMATION);
}

void MessageBoxDialogs::ShowNotice(const std::wstring &title,
                                   const std::wstring &text) {
  keys_.DropKeysPressedUntilNow();
  MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void CloseOwnedMessageBoxes(HWND owner) {
  EnumThreadWindows(GetCurrentThreadId(), CloseIfOwnedBox,
                    reinterpret_cast<LPARAM>(owner));
}

} // namespace slots::win32
