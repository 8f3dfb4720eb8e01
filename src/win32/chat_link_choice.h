#pragma once

#include "chat/chat_library.h"
#include "practice/practice_chat_client.h"
#include "practice/practice_clock.h"
#include "practice/start_options.h"

#include <filesystem>
#include <memory>
#include <string>

namespace slots::win32 {

// What the card links to: the chat client's library beside the program, or,
// without a usable one or when asked for, the practice table.
struct ChatLinkChoice {
  std::unique_ptr<chat::ChatLibrary> chatLibrary;
  std::unique_ptr<practice::PracticeChatClient> practiceClient;
  // Why the card plays on the practice table; empty when it does not.
  std::wstring practiceReason;

  chat::ChatLibrary *Link() const {
    return practiceClient ? practiceClient.get() : chatLibrary.get();
  }
};

ChatLinkChoice ChooseChatLink(const practice::StartOptions &options,
                              const std::filesystem::path &programFolder,
                              const practice::PracticeClock &clock);

} // namespace slots::win32
