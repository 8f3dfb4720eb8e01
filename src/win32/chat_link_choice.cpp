#include "win32/chat_link_choice.h"

#include "practice/practice_reason.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/wadapi_library.h"

#include <optional>
#include <random>
#include <system_error>

namespace slots::win32 {

ChatLinkChoice ChooseChatLink(const practice::StartOptions &options,
                              const std::filesystem::path &programFolder,
                              const practice::PracticeClock &clock) {
  const std::filesystem::path libraryPath =
      programFolder / kChatLibraryFileName;
  ChatLinkChoice choice;
  std::optional<practice::PracticeCause> cause;
  if (options.practice) {
    cause = practice::PracticeCause::AskedFor;
  } else {
    choice.chatLibrary = LoadWadapiLibrary(libraryPath);
    std::error_code ignored;
    if (!choice.chatLibrary) {
      cause = std::filesystem::exists(libraryPath, ignored)
                  ? practice::PracticeCause::UnusableChatLibrary
                  : practice::PracticeCause::NoChatLibrary;
    }
  }
  if (cause) {
    choice.practiceClient = std::make_unique<practice::PracticeChatClient>(
        clock, options.practiceSeed.value_or(std::random_device{}()),
        practice::PracticeKeeperHabit(options));
    choice.practiceReason =
        practice::PracticeReason(*cause, libraryPath.wstring(),
                                 ApplicationName() + L".exe") +
        L" " + practice::KeeperHabitNote(options.practiceKeeper);
  }
  return choice;
}

} // namespace slots::win32
