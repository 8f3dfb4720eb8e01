#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "game/card_interfaces.h"
#include "game/game_history.h"
#include "shell/card_lifecycle.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "win32/card/card_controls.h"
#include "win32/card/card_icon.h"
#include "win32/card/machinekeeper_wait_timers.h"
#include "win32/card/message_boxes.h"
#include "win32/card/options_menu.h"
#include "win32/card/picture_reels.h"
#include "win32/card/stale_keys.h"
#include "win32/card/tray_icon.h"
#include "win32/history/history_window.h"
#include "win32/payout/payout_window.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/routed_window.h"
#include "win32/platform/solid_brushes.h"

namespace slots::win32 {

// What the card window works with besides its model.
struct CardServices {
  chat::ChatConnection &connection;
  chat::ChatLineSearch &chat;
  shell::SettingsStore &settings;
  shell::SoundPlayer &sounds;
  game::GameHistory &history;
  std::filesystem::path historyFile;
};

// SlotsForm: renders the model on real child windows and turns clicks into
// the game's actions, after each of which every control is synced from the
// model again.
class CardWindow final : public MessageTarget {
public:
  CardWindow(HINSTANCE instance, game::CardModel &model, CardServices services);
  CardWindow(const CardWindow &) = delete;
  CardWindow &operator=(const CardWindow &) = delete;
  ~CardWindow();

  // Creates the window, runs the start-up sequence and shows it. False when
  // the window cannot be created.
  bool Open(int showCommand);
  HWND Window() const { return window_; }
  // The card's own message boxes, for what tells the player outside a click.
  game::CardDialogs &Dialogs() { return dialogs_; }
  // The card's own keys (see card_keys.h), then Tab and the space bar
  // between the controls; true when the message was used. A key pressed
  // before the last action ended or box opened is used up, dropped (see
  // stale_keys.h).
  bool HandleDialogKeys(MSG &message);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) override;

private:
  void ApplyStoredPlace(const shell::StoredPlace &place);
  void OnCommand(int id, int code, HWND control);
  void RunCommand(int id);
  // Redraws from the model and runs a close put off meanwhile.
  void FinishAction();
  void ToggleStayOnTop();
  LRESULT ColourStatic(HDC dc, HWND control);
  void MinimizeToTray();
  void RestoreFromTray();
  void OnTaskbarCreated();
  // Ordered: closing the window includes saving the settings.
  enum class Ending { None, SaveSettings, CloseWindow };
  // Closing, or the end of the session, asked for while an action runs waits
  // for the action: its message box is answered "No" or "OK", and the card
  // ends once the action is over, so no chat request follows KillDDE.
  void End(Ending ending);
  void ChangeDpi(int dpi, LPARAM suggestedRect);
  // The title bar's and Alt+Tab's icons drawn for the window's DPI.
  void ShowIcons();
  // Closes the chat link, writes the settings and removes the tray icon,
  // once.
  void SaveAndLetGo();
  void ShutDown();
  void Sync();
  void SyncPayoutWindow();
  void OnPayoutWindowClosed();
  // A look of the wait for the machinekeeper, run as a click is.
  void LookForMachinekeeper();

  HINSTANCE instance_;
  game::CardModel &model_;
  CardServices services_;
  StaleKeyFilter keys_;
  MessageBoxDialogs dialogs_;
  game::CardContext context_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  // An action is running; clicks that arrive meanwhile (while one of its
  // message boxes is open) are dropped.
  bool actionRunning_ = false;
  Ending pendingEnd_ = Ending::None;
  bool shutDown_ = false;
  // Sent to every top-level window when the taskbar (re)starts.
  UINT taskbarCreatedMessage_ = 0;
  CardControls controls_;
  SolidBrushes brushes_;
  OptionsMenu menu_;
  CardIcons icons_;
  TrayIcon tray_;
  PayoutWindow payout_;
  HistoryWindow history_;
  PictureReels pictureReels_;
  TickCountWaitClock waitClock_;
  game::MachinekeeperWait wait_{waitClock_};
  MachinekeeperWaitTimers waitTimers_;
};

} // namespace slots::win32
