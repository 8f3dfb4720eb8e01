#pragma once

#include "game/card_interfaces.h"
#include "win32/card/stale_keys.h"

#include <windows.h>

namespace slots::win32 {

// The game's questions and notices as modal message boxes owned by the card
// window, which they disable while they are open. Keys pressed before a box
// opens are not its answer.
class MessageBoxDialogs final : public game::CardDialogs {
public:
  explicit MessageBoxDialogs(StaleKeyFilter &keys) : keys_(keys) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  int ShowYesNoBox(const std::wstring &title,
                   const std::wstring &prompt) override;
  void ShowNotice(const std::wstring &title, const std::wstring &text) override;

private:
  StaleKeyFilter &keys_;
  HWND owner_ = nullptr;
};

// Ends every message box of this thread that the window owns, as if the
// player had answered "No", or "OK" where there is no "No". The box closes
// once its own message loop runs again.
void CloseOwnedMessageBoxes(HWND owner);

} // namespace slots::win32
