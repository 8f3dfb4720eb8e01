#include "win32/message_boxes.h"

namespace slots::win32 {

int MessageBoxDialogs::ShowYesNoBox(const std::wstring &title,
                                    const std::wstring &prompt) {
  return MessageBoxW(owner_, prompt.c_str(), title.c_str(),
                     MB_YESNO | MB_ICONINFORMATION);
}

void MessageBoxDialogs::ShowNotice(const std::wstring &title,
                                   const std::wstring &text) {
  MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace slots::win32
