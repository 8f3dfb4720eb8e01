// A click that fails half-way (out of memory, say) leaves a card that takes
// the next click and still closes, also when the close came meanwhile.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "win32/card/card_control_ids.h"
#include "win32/card/card_window.h"

#include <gtest/gtest.h>

#include <new>
#include <utility>

namespace slots::win32 {
namespace {

// A chat client whose fetch fails when told to, after asking the card to
// close when told to.
class FailingChatLibrary final : public chat::ChatLibrary {
public:
  bool failNextFetch = false;
  HWND closeDuringFetch = nullptr;

  std::int16_t InitDDE(const std::wstring &,
                       chat::ChatCallbacks &callbacks) override {
    callbacks_ = &callbacks;
    return 0;
  }
  void KillDDE() override {}
  void DapiRegister(const std::wstring &) override {}
  void DapiCommunicate(const std::wstring &, std::int16_t, const std::wstring &,
                       const std::wstring &) override {}
  void DapiGetAllText(const std::wstring &) override {
    if (closeDuringFetch != nullptr) {
      SendMessageW(std::exchange(closeDuringFetch, nullptr), WM_CLOSE, 0, 0);
    }
    if (std::exchange(failNextFetch, false)) {
      throw std::bad_alloc();
    }
    callbacks_->DapiTextCallback(L"Ann: Your machinekeeper is Ann");
    callbacks_->DapiStatusCallback(L"0");
  }

private:
  chat::ChatCallbacks *callbacks_ = nullptr;
};

class CountingSettings final : public shell::SettingsStore {
public:
  int saves = 0;
  std::string Read(std::string_view) override { return {}; }
  void Write(std::string_view, std::string_view) override {}
  void WriteAll(std::span<const shell::IniEntry>) override { ++saves; }
};

class Silence final : public shell::SoundOutput, public shell::FolderLister {
public:
  void PlaySoundFile(const std::wstring &, bool) override {}
  std::optional<std::vector<std::wstring>>
  ListFileNames(const std::wstring &) override {
    return std::nullopt;
  }
};

TEST(CardActionFailureTest, FailedClickLeavesTheCardTakingClicksAndClosing) {
  FailingChatLibrary library;
  chat::SleepingRepeatPause pause;
  chat::ChatConnection connection(&library, L"slotscard", pause);
  chat::ChatLineSearch chat(connection);
  CountingSettings settings;
  Silence silence;
  shell::SoundPlayer sounds(L"", silence, silence, 1);
  game::CardModel model;
  CardWindow card(GetModuleHandleW(nullptr), model,
                  {connection, chat, settings, sounds});
  ASSERT_TRUE(card.Open(SW_HIDE));
  const HWND window = card.Window();
  const auto clickGetHost = [&] {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kCommand3, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kCommand3)));
  };

  library.failNextFetch = true;
  clickGetHost();
  EXPECT_EQ(model.hostName, L"");
  clickGetHost();
  EXPECT_EQ(model.hostName, L"Ann");

  library.failNextFetch = true;
  library.closeDuringFetch = window;
  clickGetHost();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(settings.saves, 1);
  MSG quit{};
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
} // namespace slots::win32
