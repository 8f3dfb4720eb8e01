// Plays a whole game against a chat window that holds any text: the
// machinekeeper's announcement, credits, "Payouts:", FIRST and FINAL lines
// are read by the card's own actions. Nothing may fail, and what the card
// shows comes from the chat.
#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "chat/scripted_chat_library.h"
#include "fuzz_input.h"
#include "game/card_interfaces.h"
#include "game/card_model.h"
#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/host_lookup.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace slots;

class AnswerYes final : public game::CardDialogs {
public:
  int ShowYesNoBox(const std::wstring &, const std::wstring &) override {
    return kAnswerYes;
  }
  void ShowNotice(const std::wstring &, const std::wstring &) override {}
};

class Silence final : public game::CardSounds {
public:
  void PlayStartSound() override {}
  void PlayHoldSound() override {}
  void PlayFinalSound(game::Outcome) override {}
};

bool IsPartOf(const std::wstring &shown, const std::wstring &chat) {
  return shown.empty() || chat.find(shown) != std::wstring::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  chat::testing::ScriptedChatLibrary library;
  library.chatText = fuzz::WideTextOf(data, size);
  chat::testing::NoPause pause;
  chat::ChatConnection connection(&library, L"slotscard", pause);
  connection.OpenLink();
  chat::ChatLineSearch search(connection);
  AnswerYes dialogs;
  Silence sounds;
  game::CardModel model;
  game::CardContext card{model, search, dialogs, sounds};

  game::GetHost(card);
  game::FreeGame(card);
  game::Start(card);
  game::ToggleHold(card, static_cast<int>(size % 3));
  game::EspHolds(card);
  game::Final(card);

  fuzz::Require(IsPartOf(model.hostName, library.chatText));
  fuzz::Require(model.credits == L"0" ||
                IsPartOf(model.credits, library.chatText));
  for (const game::ReelLabel &reel : model.reels) {
    fuzz::Require(IsPartOf(reel.tag, library.chatText));
  }
  game::ResetCard(model);
  return 0;
}
