#pragma once

#include "chat/chat_library.h"
#include "practice/keeper_habit.h"
#include "practice/machinekeeper.h"
#include "practice/practice_chat_text.h"
#include "practice/practice_clock.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace slots::practice {

// A chat client in the card's own process, for playing without the chat
// world: the card links to it as to the chat client's library, and it keeps
// a chat text with one other participant, the machinekeeper.
class PracticeChatClient final : public chat::ChatLibrary {
public:
  // The player's name in the practice chat.
  static constexpr std::wstring_view kPlayerName = L"You";

  PracticeChatClient(const PracticeClock &clock, std::uint32_t seed,
                     KeeperHabit habit = kPromptHabit);

  std::int16_t InitDDE(const std::wstring &applicationName,
                       chat::ChatCallbacks &callbacks) override;
  void KillDDE() override;
  void DapiRegister(const std::wstring &applicationName) override;
  void DapiCommunicate(const std::wstring &applicationName, std::int16_t kind,
                       const std::wstring &user,
                       const std::wstring &text) override;
  void DapiGetAllText(const std::wstring &applicationName) override;

  // A public line the player typed; blank lines are not sent.
  void SayInPublic(std::wstring_view text);
  // Lets the machinekeeper send what is due by now.
  void DeliverDueLines();

  const PracticeChatText &ChatText() const { return chat_; }
  const Machinekeeper &Keeper() const { return keeper_; }

private:
  void ReportDone();

  const PracticeClock &clock_;
  PracticeChatText chat_;
  Machinekeeper keeper_;
  chat::ChatCallbacks *callbacks_ = nullptr;
};

} // namespace slots::practice
