#include "win32/card/card_window.h"

#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/host_lookup.h"
#include "game/payout_table.h"
#include "shell/card_lifecycle.h"
#include "win32/card/about_box.h"
#include "win32/card/card_colours.h"
#include "win32/card/card_controls_sync.h"
#include "win32/card/card_icon.h"
#include "win32/card/card_keys.h"
#include "win32/card/running_action.h"
#include "win32/card/stay_on_top.h"
#include "win32/card/window_place.h"
#include "win32/platform/dpi_scaling.h"
#include "win32/platform/live_handle_query.h"
#include "win32/platform/window_text.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

namespace slots::win32 {
namespace {

constexpr DWORD kCardStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kCardExStyle = 0;

// BN_CLICKED and STN_CLICKED share a code. A label turns the second of two
// quick clicks into a double click, which is still a click for the player.
bool IsClick(int id, int code) {
  if (code == BN_CLICKED) {
    return true;
  }
  const ControlLayout *layout = FindCardControlLayout(id);
  return code == STN_DBLCLK && layout != nullptr &&
         layout->kind == ControlKind::Label;
}

} // namespace

CardWindow::CardWindow(HINSTANCE instance, game::CardModel &model,
                       CardServices services)
    : instance_(instance), model_(model), services_(services),
      dialogs_(keys_), context_{model_, services_.chat, dialogs_,
                                services_.sounds, &services_.history},
      icons_(instance), payout_(instance, [this] { OnPayoutWindowClosed(); }),
      history_(instance, services_.history, services_.historyFile) {}

CardWindow::~CardWindow() {
  tray_.Remove();
  payout_.Destroy();
  history_.Destroy();
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

bool CardWindow::Open(int showCommand) {
  RegisterRoutedWindowClass(
      instance_, kCardWindowClass,
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  const int systemDpi = WindowDpi(nullptr);
  window_ = CreateRoutedWindow(
      *this, instance_, kCardWindowClass, kCardWindowCaption, kCardStyle,
      kCardExStyle, CardLayoutOuterRect(kCardStyle, kCardExStyle, systemDpi),
      nullptr);
  if (window_ == nullptr) {
    return false;
  }
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  dpi_ = WindowDpi(window_);
  if (dpi_ != systemDpi) {
    const RECT outer = CardLayoutOuterRect(kCardStyle, kCardExStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowIcons();
  dialogs_.SetOwner(window_);
  keys_.WatchCard(window_);
  controls_.Create(window_, instance_, dpi_);
  Sync();

  const shell::StartupResult startup =
      shell::StartUpCard(services_.connection, services_.settings, model_);
  ApplyStoredPlace(startup.place);
  if (model_.options.stayOnTop) {
    StayOnTop(window_, true);
  }
  Sync();

  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  return true;
}

void CardWindow::ApplyStoredPlace(const shell::StoredPlace &place) {
  RECT layoutOuter{};
  GetWindowRect(window_, &layoutOuter);
  const std::optional<POINT> topLeft =
      StoredOuterTopLeft(place, layoutOuter, dpi_);
  if (topLeft) {
    SetWindowPos(window_, nullptr, topLeft->x, topLeft->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool CardWindow::HandleDialogKeys(MSG &message) {
  if (window_ == nullptr) {
    return false;
  }
  if (keys_.IsStale(message)) {
    return true;
  }
  const CardKey key = ReadCardKey(window_, message, model_);
  if (key.command != 0) {
    // The path of a click, through the window procedure, which catches a
    // failing action as it does for clicks; a disabled control takes no key
    // either.
    const bool isControl = FindCardControlLayout(key.command) != nullptr;
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(key.command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(isControl ? controls_.Get(key.command)
                                                    : nullptr));
  }
  return key.used || IsDialogMessageW(window_, &message);
}

LRESULT CardWindow::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  if (message == taskbarCreatedMessage_ && message != 0) {
    OnTaskbarCreated();
    return 0;
  }
  if (const auto liveHandles = AnswerLiveHandleQuery(message, wParam)) {
    return *liveHandles;
  }
  switch (message) {
  case WM_COMMAND:
    OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    return 0;
  case WM_CTLCOLORSTATIC: {
    const LRESULT brush = ColourStatic(reinterpret_cast<HDC>(wParam),
                                       reinterpret_cast<HWND>(lParam));
    if (brush != 0) {
      return brush;
    }
    break;
  }
  case WM_DRAWITEM: {
    const auto *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
    const int reel = static_cast<int>(item->CtlID) - kImgImage1 + 1;
    if (reel >= 1 && reel <= game::ReelAnimation::kReelCount) {
      pictureReels_.Draw(reel, *item);
      return TRUE;
    }
    break;
  }
  case WM_TIMER:
    if (waitTimers_.IsLookTimer(wParam)) {
      LookForMachinekeeper();
      return 0;
    }
    if (pictureReels_.HandleTimer(window, wParam) ||
        waitTimers_.HandleCueTimer(wParam, controls_, model_, wait_)) {
      return 0;
    }
    break;
  case WM_SIZE:
    if (wParam == SIZE_MINIMIZED && model_.options.minimizeToTray) {
      MinimizeToTray();
    }
    return 0;
  case kTrayCallbackMessage:
    if ((LOWORD(lParam) == WM_LBUTTONUP ||
         LOWORD(lParam) == NIN_BALLOONUSERCLICK) &&
        IsIconic(window)) {
      RestoreFromTray();
    }
    return 0;
  case kDpiChangedMessage:
    ChangeDpi(HIWORD(wParam), lParam);
    return 0;
  case WM_CLOSE:
    End(Ending::CloseWindow);
    return 0;
  case WM_ENDSESSION:
    // Logging off ends the program without closing the card: keep the
    // player's settings and leave no icon behind all the same.
    if (wParam != FALSE) {
      End(Ending::SaveSettings);
    }
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  case WM_NCDESTROY:
    window_ = nullptr;
    break;
  default:
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void CardWindow::OnCommand(int id, int code, HWND control) {
  if (control != nullptr) {
    if (id == kTxtHostname) {
      // Anyone can send this message naming any window: the name is read
      // from the card's own box.
      if (code == EN_CHANGE) {
        model_.hostName = WindowText(controls_.Get(kTxtHostname));
      }
      return;
    }
    // A disabled control takes no clicks, even ones posted to it.
    if (!IsClick(id, code) || !IsWindowEnabled(control)) {
      return;
    }
  }
  if (actionRunning_) {
    return;
  }
  if (id == kLabel5) {
    const POINT corner{TwipsToPixels(kOptionsMenuTwips.x, dpi_),
                       TwipsToPixels(kOptionsMenuTwips.y, dpi_)};
    menu_.Open(window_, corner);
    return;
  }
  const RunningAction running(actionRunning_, [this] { FinishAction(); });
  const chat::ChatConnection::Click click(services_.connection);
  RunCommand(id);
}

// Keys pressed while the action ran are stale. A close put off meanwhile
// comes before the redraw: it must not wait on a redraw that may fail as the
// action did.
void CardWindow::FinishAction() {
  keys_.DropKeysPressedUntilNow();
  if (pendingEnd_ != Ending::None) {
    End(std::exchange(pendingEnd_, Ending::None));
  }
  if (window_ != nullptr) {
    Sync();
  }
}

void CardWindow::LookForMachinekeeper() {
  // A box of an action is open and its loop runs timers: the look comes
  // once the action is over, never inside it.
  if (actionRunning_) {
    return;
  }
  const RunningAction running(actionRunning_, [this] { FinishAction(); });
  const chat::ChatConnection::Click click(services_.connection);
  const game::WaitTick tick = wait_.Tick(context_);
  if (tick == game::WaitTick::FinalShown && tray_.IsShown()) {
    tray_.Notify(kTrayTip, game::ArrivedFinalText(model_).c_str());
  }
}

void CardWindow::RunCommand(int id) {
  switch (id) {
  case kCommand3:
    return game::GetHost(context_);
  case kLabel2:
    return game::FreeGame(context_);
  case kCommand1:
    return wait_.ClickStart(context_);
  case kLabel8:
  case kLabel9:
  case kLabel10:
    return game::ToggleHold(context_, id - kLabel8);
  case kCommand5:
    return wait_.ClickEspHolds(context_);
  case kCommand6:
    return wait_.ClickFinal(context_);
  case kLabel3:
    wait_.Stop();
    return game::ResetCard(context_);
  case kLabel4:
  case kMnuShowP:
    return game::ShowPayouts(model_);
  case kCommand7:
    return pictureReels_.ClickSpin(window_);
  case kCommand2:
    return services_.sounds.PlayLossSampleSound();
  case kMnuStayOnTop:
    return ToggleStayOnTop();
  case kMnuMinToTray:
    model_.options.minimizeToTray = !model_.options.minimizeToTray;
    return;
  case kMnuStartSound:
    model_.options.startSound = !model_.options.startSound;
    return;
  case kMnuHoldSound:
    model_.options.holdSound = !model_.options.holdSound;
    return;
  case kMnuFinalSound:
    model_.options.finalSound = !model_.options.finalSound;
    return;
  case kMnuOnlyMyMachinekeeper:
    model_.options.onlyMyMachinekeeper = !model_.options.onlyMyMachinekeeper;
    return;
  case kMnuGameHistory:
    return history_.Open(window_, model_.options.stayOnTop,
                         icons_.Get(SmallIconSize(dpi_)));
  case kMnuKeepGameHistory:
    model_.options.keepGameHistory = !model_.options.keepGameHistory;
    return;
  case kMnuWaitForMachinekeeper:
    model_.options.waitForMachinekeeper = !model_.options.waitForMachinekeeper;
    if (!model_.options.waitForMachinekeeper) {
      wait_.Stop();
    }
    return;
  case kMnuAbout:
    return dialogs_.ShowNotice(kAboutBoxTitle, AboutBoxText());
  default:
    return;
  }
}

void CardWindow::ToggleStayOnTop() {
  model_.options.stayOnTop = !model_.options.stayOnTop;
  // The payout window keeps the state it was created with.
  StayOnTop(window_, model_.options.stayOnTop);
}

LRESULT CardWindow::ColourStatic(HDC dc, HWND control) {
  const ControlLayout *layout = FindCardControlLayout(GetDlgCtrlID(control));
  // A disabled text box asks too; it keeps the system's look.
  if (layout == nullptr || layout->kind == ControlKind::TextBox) {
    return 0;
  }
  const ControlColours colours = CardControlColours(*layout, model_);
  SetTextColor(dc, colours.text);
  if (colours.background) {
    SetBkColor(dc, *colours.background);
    return reinterpret_cast<LRESULT>(brushes_.BrushFor(*colours.background));
  }
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(
      brushes_.BrushFor(GetSysColor(COLOR_BTNFACE)));
}

// Hidden only with its icon in the tray: without a taskbar to take the icon
// (at log-on it may not be up yet) the card stays on the taskbar.
void CardWindow::MinimizeToTray() {
  UpdateWindow(window_);
  if (tray_.Add(window_, icons_.Get(SmallIconSize(dpi_)))) {
    ShowWindow(window_, SW_HIDE);
  }
}

void CardWindow::RestoreFromTray() {
  ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
  tray_.Remove();
}

// A restarted taskbar has lost the card's icon; a card minimised while
// there was none can go to the tray now.
void CardWindow::OnTaskbarCreated() {
  if (!IsIconic(window_) || !model_.options.minimizeToTray) {
    return;
  }
  MinimizeToTray();
  if (!tray_.IsShown() && !IsWindowVisible(window_)) {
    ShowWindow(window_, SW_SHOWMINNOACTIVE);
  }
}

void CardWindow::ChangeDpi(int dpi, LPARAM suggestedRect) {
  dpi_ = dpi;
  controls_.ApplyDpi(dpi);
  MoveToSuggestedRect(window_, suggestedRect);
  ShowIcons();
  Sync();
}

void CardWindow::ShowIcons() {
  SendMessageW(window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(icons_.Get(BigIconSize(dpi_))));
  SendMessageW(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(icons_.Get(SmallIconSize(dpi_))));
}

void CardWindow::End(Ending ending) {
  if (actionRunning_) {
    // The session may end the program as soon as it is answered: the
    // settings cannot wait for the action to end.
    if (ending == Ending::SaveSettings) {
      shell::SaveCardSettings(services_.settings, model_,
                              OuterTopLeftTwips(window_, dpi_));
    }
    pendingEnd_ = std::max(pendingEnd_, ending);
    CloseOwnedMessageBoxes(window_);
    return;
  }
  if (ending == Ending::CloseWindow) {
    ShutDown();
  } else if (ending == Ending::SaveSettings) {
    SaveAndLetGo();
  }
}

void CardWindow::ShutDown() {
  wait_.Stop();
  SaveAndLetGo();
  payout_.Destroy();
  history_.Destroy();
  DestroyWindow(window_);
}

void CardWindow::SaveAndLetGo() {
  if (shutDown_) {
    return;
  }
  shutDown_ = true;
  shell::ShutDownCard(services_.connection, services_.settings, model_,
                      OuterTopLeftTwips(window_, dpi_));
  tray_.Remove();
}

void CardWindow::Sync() {
  SyncCardControls(controls_, model_);
  waitTimers_.Follow(window_, controls_, model_, wait_);
  menu_.ShowChecks(model_.options);
  SyncPayoutWindow();
  history_.Refresh();
}

void CardWindow::SyncPayoutWindow() {
  if (model_.payoutWindow == game::PayoutWindowState::NotCreated) {
    payout_.Destroy();
    return;
  }
  if (!payout_.Exists()) {
    payout_.Create(window_, model_.options.stayOnTop,
                   icons_.Get(SmallIconSize(dpi_)));
  }
  payout_.ShowValues(model_.payouts);
  if (model_.payoutWindow == game::PayoutWindowState::Visible) {
    payout_.Show();
  }
}

void CardWindow::OnPayoutWindowClosed() {
  game::ClosePayoutWindow(model_);
  SyncPayoutWindow();
}

} // namespace slots::win32
