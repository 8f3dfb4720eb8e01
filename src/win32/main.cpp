// The card's composition root: the chat link, the settings, the sounds and
// the card window, then the message loop until the card closes.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "chat/chat_text_reader.h"
#include "game/card_model.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "win32/card_window.h"
#include "win32/dpi_scaling.h"
#include "win32/folder_lister.h"
#include "win32/program_folder.h"
#include "win32/wadapi_library.h"
#include "win32/wave_sound_output.h"

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <random>

using namespace slots;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  win32::DeclareDpiAwareness();
  INITCOMMONCONTROLSEX commonControls{sizeof(commonControls),
                                      ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&commonControls);

  const std::wstring folder = win32::ProgramFolder();
  // Without the chat client's library the card runs without a chat link.
  const std::unique_ptr<chat::ChatLibrary> library = win32::LoadWadapiLibrary(
      std::filesystem::path(folder) / win32::kChatLibraryFileName);
  chat::SleepingRepeatPause pause;
  chat::ChatConnection connection(library.get(), win32::ApplicationName(),
                                  pause);
  chat::ChatTextReader reader;
  chat::ChatLineSearch chat(connection, reader);

  win32::WaveSoundOutput soundOutput;
  win32::FindFileFolderLister folderLister;
  shell::SoundPlayer sounds(folder, soundOutput, folderLister,
                            std::random_device{}());
  shell::IniSettingsStore settings(std::filesystem::path(folder) /
                                   shell::kSettingsFileName);

  game::CardModel model;
  win32::CardWindow card(instance, model, {connection, chat, settings, sounds});
  if (!card.Open(showCommand)) {
    return 1;
  }
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!card.HandleDialogKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
