// The card's composition root: the chat link (the chat client's library or
// the practice table), the settings, the sounds and the card window, then
// the message loop until the card closes.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "game/card_model.h"
#include "game/game_history.h"
#include "practice/practice_clock.h"
#include "practice/start_options.h"
#include "shell/data_files_place.h"
#include "shell/history_file.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "win32/card/card_control_ids.h"
#include "win32/card/card_window.h"
#include "win32/chat_link_choice.h"
#include "win32/platform/dll_search.h"
#include "win32/platform/dpi_scaling.h"
#include "win32/platform/folder_lister.h"
#include "win32/platform/program_arguments.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/pumping_repeat_pause.h"
#include "win32/platform/wave_sound_output.h"
#include "win32/platform/windows_data_folders.h"
#include "win32/platform/windows_history_file.h"
#include "win32/platform/windows_settings_files.h"
#include "win32/practice/practice_chat_window.h"
#include "win32/scheduled_screenshot.h"

#include <windows.h>

#include <filesystem>
#include <memory>
#include <random>

using namespace slots;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Before anything loads a library: none may come from the card's folder
  // or the current one.
  win32::RestrictDllSearchToSystemFolder();
  win32::DeclareDpiAwareness();

  const practice::StartOptions options =
      practice::ParseStartOptions(win32::ProgramArguments());
  const std::wstring folder = win32::ProgramFolder();
  const practice::SteadyPracticeClock clock;
  const win32::ChatLinkChoice link =
      win32::ChooseChatLink(options, folder, clock);
  win32::PumpingRepeatPause pause;
  chat::ChatConnection connection(link.Link(), win32::ApplicationName(), pause);
  chat::ChatLineSearch chat(connection);

  win32::WaveSoundOutput soundOutput;
  win32::FindFileFolderLister folderLister;
  shell::SoundPlayer sounds(folder, soundOutput, folderLister,
                            std::random_device{}());
  win32::WindowsSettingsFileAccess settingsFiles;
  win32::WindowsDataFolders dataFolders;
  const shell::DataFilesPlace dataPlace =
      shell::ChooseDataFilesPlace(folder, dataFolders, settingsFiles);
  shell::IniSettingsStore settings(dataPlace.folder / shell::kSettingsFileName,
                                   settingsFiles);

  game::CardModel model;
  const game::SystemGameClock gameClock;
  game::GameHistory history(gameClock, link.practiceClient != nullptr);
  win32::WindowsHistoryFileAccess historyFiles;
  const std::filesystem::path historyFile =
      dataPlace.folder / shell::kHistoryFileName;
  shell::HistoryFileKeeper historyKeeper(historyFiles, historyFile,
                                         model.options);
  history.SetListener(&historyKeeper);
  win32::CardWindow card(
      instance, model,
      {connection, chat, settings, sounds, history, historyFile});
  if (!card.Open(showCommand)) {
    return 1;
  }
  if (model.options.keepGameHistory) {
    history.AddEarlierGames(shell::LoadHistoryFile(historyFiles, historyFile));
  }
  historyKeeper.SetTroubleNotice([&card] {
    card.Dialogs().ShowNotice(std::wstring(shell::kHistoryTroubleTitle),
                              std::wstring(shell::kHistoryTroubleNotice));
  });
  std::unique_ptr<win32::PracticeChatWindow> practiceWindow;
  if (link.practiceClient) {
    practiceWindow = std::make_unique<win32::PracticeChatWindow>(
        instance, *link.practiceClient, link.practiceReason);
    practiceWindow->Open(card.Window());
  }
  // Said once; the card plays on without saving.
  if (!dataPlace.unsavedNotice.empty()) {
    MessageBoxW(card.Window(), dataPlace.unsavedNotice.c_str(),
                win32::kCardWindowCaption, MB_OK | MB_ICONWARNING);
  }
  std::unique_ptr<win32::ScheduledScreenshot> screenshot;
  if (options.screenshot) {
    screenshot = std::make_unique<win32::ScheduledScreenshot>(
        *options.screenshot,
        std::vector<HWND>{card.Window(),
                          practiceWindow ? practiceWindow->Window() : nullptr},
        card.Window());
  }

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (screenshot && screenshot->HandleTimerMessage(message)) {
      continue;
    }
    if (card.HandleDialogKeys(message) ||
        (practiceWindow && practiceWindow->HandleDialogKeys(message))) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  historyKeeper.WriteUnwrittenGames();
  return static_cast<int>(message.wParam);
}
