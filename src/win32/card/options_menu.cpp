#include "win32/card/options_menu.h"

#include "win32/card/card_control_ids.h"

namespace slots::win32 {
namespace {

void AppendItem(HMENU menu, int id, const wchar_t *caption) {
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), caption);
}

void ShowCheck(HMENU menu, int id, bool checked) {
  CheckMenuItem(menu, static_cast<UINT>(id),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

OptionsMenu::OptionsMenu() : menuBar_(CreateMenu()) {
  HMENU options = CreatePopupMenu();
  AppendItem(options, kMnuStayOnTop, L"Stay On Top");
  AppendItem(options, kMnuMinToTray, L"Minimize To Tray");
  AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
  AppendItem(options, kMnuStartSound, L"Play Start Sound");
  AppendItem(options, kMnuHoldSound, L"Play Hold Sound");
  AppendItem(options, kMnuFinalSound, L"Play Final Sound");
  AppendItem(options, kMnuOnlyMyMachinekeeper, L"Only My Machinekeeper");
  AppendItem(options, kMnuGameHistory, L"Game History");
  AppendItem(options, kMnuKeepGameHistory, L"Keep Game History");
  AppendItem(options, kMnuWaitForMachinekeeper, L"Wait For The Machinekeeper");
  AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
  AppendItem(options, kMnuAbout, L"About");

  popup_ = CreatePopupMenu();
  AppendItem(popup_, kMnuShowP, L"Show Payouts");
  AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(popup_, MF_POPUP, reinterpret_cast<UINT_PTR>(options),
              L"Options");

  // The menu bar owns the popups, so destroying it destroys them all.
  AppendMenuW(menuBar_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup_),
              L"hiddenOpt");
  ShowChecks(game::CardOptions{});
}

void OptionsMenu::ShowChecks(const game::CardOptions &options) {
  ShowCheck(popup_, kMnuStayOnTop, options.stayOnTop);
  ShowCheck(popup_, kMnuMinToTray, options.minimizeToTray);
  ShowCheck(popup_, kMnuStartSound, options.startSound);
  ShowCheck(popup_, kMnuHoldSound, options.holdSound);
  ShowCheck(popup_, kMnuFinalSound, options.finalSound);
  ShowCheck(popup_, kMnuOnlyMyMachinekeeper, options.onlyMyMachinekeeper);
  ShowCheck(popup_, kMnuKeepGameHistory, options.keepGameHistory);
  ShowCheck(popup_, kMnuWaitForMachinekeeper, options.waitForMachinekeeper);
}

void OptionsMenu::Open(HWND owner, POINT clientPoint) {
  ClientToScreen(owner, &clientPoint);
  TrackPopupMenu(popup_, 0, clientPoint.x, clientPoint.y, 0, owner, nullptr);
}

} // namespace slots::win32
