#include "win32/card/card_keys.h"

#include "win32/card/card_control_ids.h"

#include <iterator>

namespace slots::win32 {
namespace {

constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

bool IsEditBox(HWND window) {
  wchar_t className[16]{};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  return lstrcmpiW(className, L"Edit") == 0;
}

bool IsModifierDown() {
  return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 ||
         GetKeyState(VK_SHIFT) < 0;
}

// 0, 1, 2 for the keys 1, 2, 3; -1 for any other key.
int ReelOfKey(WPARAM key) {
  if (key >= '1' && key <= '3') {
    return static_cast<int>(key - '1');
  }
  if (key >= VK_NUMPAD1 && key <= VK_NUMPAD3) {
    return static_cast<int>(key - VK_NUMPAD1);
  }
  return -1;
}

void MoveFocusOn(HWND card, HWND from) {
  HWND next = GetNextDlgTabItem(card, from, FALSE);
  if (next != nullptr && next != from) {
    SetFocus(next);
  }
}

} // namespace

int NextStepCommand(const game::CardModel &model) {
  const game::StepControls &steps = model.steps;
  if (steps.final) {
    return kCommand6;
  }
  if (steps.espHolds) {
    return kCommand5;
  }
  if (steps.start && model.registered) {
    return kCommand1;
  }
  if (steps.freeGame) {
    return kLabel2;
  }
  return steps.start ? kCommand1 : 0;
}

CardKey ReadCardKey(HWND card, const MSG &message,
                    const game::CardModel &model) {
  if (message.message != WM_KEYDOWN ||
      (message.hwnd != card && !IsChild(card, message.hwnd)) ||
      IsModifierDown()) {
    return {};
  }
  const WPARAM key = message.wParam;
  const bool inEditBox = IsEditBox(message.hwnd);
  const int reel = ReelOfKey(key);
  const bool cardKey = key == VK_ESCAPE || key == VK_F1 ||
                       (!inEditBox && (key == VK_RETURN || reel >= 0));
  if (inEditBox && key == VK_RETURN) {
    if ((message.lParam & kKeyWasDown) == 0) {
      MoveFocusOn(card, message.hwnd);
    }
    return {true, 0};
  }
  if (!cardKey) {
    return {};
  }
  // Held down, a key would run through the steps of a game.
  if ((message.lParam & kKeyWasDown) != 0) {
    return {true, 0};
  }
  if (reel >= 0) {
    return {true, kLabel8 + reel};
  }
  switch (key) {
  case VK_RETURN:
    return {true, NextStepCommand(model)};
  case VK_ESCAPE:
    return {true, kLabel3};
  default:
    return {true, kMnuAbout};
  }
}

} // namespace slots::win32
