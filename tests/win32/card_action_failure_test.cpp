// A click or key that fails half-way (out of memory, say) leaves a card that
// takes the next one and still closes, also when the close came meanwhile.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "game/game_history.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "win32/card/card_control_ids.h"
#include "win32/card/card_window.h"

#include <gtest/gtest.h>

#include <new>
#include <utility>

namespace slots::win32 {
namespace {

// Fails its next fetch when told to, after asking the card to close when
// told to. Its settings count the saves; its sounds are silent.
class FailingChat final : public chat::ChatLibrary,
                          public shell::SettingsStore,
                          public shell::SoundOutput,
                          public shell::FolderLister {
public:
  bool failNextFetch = false;
  HWND closeDuringFetch = nullptr;
  int saves = 0;

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
  std::string Read(std::string_view) override { return {}; }
  void Write(std::string_view, std::string_view) override {}
  void WriteAll(std::span<const shell::IniEntry>) override { ++saves; }
  void PlaySoundFile(const std::wstring &, bool) override {}
  std::optional<std::vector<std::wstring>>
  ListFileNames(const std::wstring &) override {
    return std::nullopt;
  }

private:
  chat::ChatCallbacks *callbacks_ = nullptr;
};

// A card on the fake, opened hidden.
struct FailingCard {
  FailingChat fake;
  chat::SleepingRepeatPause pause;
  chat::ChatConnection connection{&fake, L"slotscard", pause};
  chat::ChatLineSearch chat{connection};
  shell::SoundPlayer sounds{L"", fake, fake, 1};
  game::CardModel model;
  const game::SystemGameClock clock;
  game::GameHistory history{clock, false};
  CardWindow card{GetModuleHandleW(nullptr),
                  model,
                  {connection, chat, fake, sounds, history, {}}};
};

TEST(CardActionFailureTest, FailedClickLeavesTheCardTakingClicksAndClosing) {
  FailingCard failing;
  FailingChat &fake = failing.fake;
  CardWindow &card = failing.card;
  ASSERT_TRUE(card.Open(SW_HIDE));
  const HWND window = card.Window();
  const auto clickGetHost = [&] {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kCommand3, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kCommand3)));
  };

  fake.failNextFetch = true;
  clickGetHost();
  clickGetHost();
  EXPECT_EQ(failing.model.hostName, L"Ann");

  fake.failNextFetch = true;
  fake.closeDuringFetch = window;
  clickGetHost();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(fake.saves, 1);
  MSG quit{};
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// With a host named, Enter runs Free Game and then Start, each of which
// fetches the chat: a key takes the path of a click, failure included.
TEST(CardActionFailureTest, FailedKeyLeavesTheCardTakingKeysAndClosing) {
  FailingCard failing;
  FailingChat &fake = failing.fake;
  ASSERT_TRUE(failing.card.Open(SW_HIDE));
  const HWND window = failing.card.Window();
  SetWindowTextW(GetDlgItem(window, kTxtHostname), L"Ann");
  const auto pressEnter = [&] {
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    MSG key{};
    ASSERT_TRUE(PeekMessageW(&key, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(failing.card.HandleDialogKeys(key));
  };

  fake.failNextFetch = true;
  pressEnter();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(fake.saves, 0);

  fake.failNextFetch = true;
  fake.closeDuringFetch = window;
  pressEnter();
  EXPECT_EQ(fake.closeDuringFetch, nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(fake.saves, 1);
  MSG quit{};
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
} // namespace slots::win32
