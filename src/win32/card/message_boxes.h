#pragma once

#include "game/card_interfaces.h"

#include <windows.h>

namespace slots::win32 {

// The game's questions and notices as modal message boxes owned by the card
// window, which they disable while they are open.
class MessageBoxDialogs final : public game::CardDialogs {
public:
  void SetOwner(HWND owner) { owner_ = owner; }
  int ShowYesNoBox(const std::wstring &title,
                   const std::wstring &prompt) override;
  void ShowNotice(const std::wstring &title, const std::wstring &text) override;

private:
  HWND owner_ = nullptr;
};

// Ends every message box of this thread that the window owns, as if the
// player had answered "No", or "OK" where there is no "No". The box closes
// once its own message loop runs again.
void CloseOwnedMessageBoxes(HWND owner);

} // namespace slots::win32
