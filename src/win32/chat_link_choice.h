#pragma once

#include "chat/chat_library.h"
#include "practice/practice_chat_client.h"
#include "practice/practice_clock.h"
#include "practice/start_options.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace slots::win32 {

// Where the card looks for the chat client's library, in order: beside the
// program, then in the system folder, then in the Windows folder, where
// installers often put a chat client's shared library. Each is a full path:
// neither the current folder nor the search path is ever asked.
std::vector<std::filesystem::path>
ChatLibraryPlaces(const std::filesystem::path &programFolder);

// What the card links to: the first usable chat client's library of those
// places, or, without one or when asked for, the practice table.
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
