#include "win32/chat_link_choice.h"

#include "practice/practice_reason.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/system_folders.h"
#include "win32/platform/wadapi_library.h"

#include <optional>
#include <random>
#include <system_error>

namespace slots::win32 {

std::vector<std::filesystem::path>
ChatLibraryPlaces(const std::filesystem::path &programFolder) {
  std::vector<std::filesystem::path> places;
  for (const std::filesystem::path &folder :
       {programFolder, std::filesystem::path(ProgramsSystemFolder()),
        std::filesystem::path(WindowsFolder())}) {
    // A folder the system could not name would leave a bare file name,
    // which the current folder would answer.
    if (folder.is_absolute())
      places.push_back(folder / kChatLibraryFileName);
  }
  return places;
}

ChatLinkChoice ChooseChatLink(const practice::StartOptions &options,
                              const std::filesystem::path &programFolder,
                              const practice::PracticeClock &clock) {
  const std::vector<std::filesystem::path> places =
      ChatLibraryPlaces(programFolder);
  ChatLinkChoice choice;
  std::optional<practice::PracticeCause> cause;
  std::wstring unusableLibrary;
  if (options.practice) {
    cause = practice::PracticeCause::AskedFor;
  } else {
    for (const std::filesystem::path &place : places) {
      choice.chatLibrary = LoadWadapiLibrary(place);
      if (choice.chatLibrary)
        break;
      std::error_code ignored;
      if (unusableLibrary.empty() && std::filesystem::exists(place, ignored))
        unusableLibrary = place.wstring();
    }
    if (!choice.chatLibrary) {
      cause = unusableLibrary.empty()
                  ? practice::PracticeCause::NoChatLibrary
                  : practice::PracticeCause::UnusableChatLibrary;
    }
  }
  if (cause) {
    choice.practiceClient = std::make_unique<practice::PracticeChatClient>(
        clock, options.practiceSeed.value_or(std::random_device{}()),
        practice::PracticeKeeperHabit(options));
    std::vector<std::wstring> placesLookedIn;
    for (const std::filesystem::path &place : places)
      placesLookedIn.push_back(place.wstring());
    choice.practiceReason =
        practice::PracticeReason(*cause, placesLookedIn, unusableLibrary,
                                 ApplicationName() + L".exe") +
        L" " + practice::KeeperHabitNote(options.practiceKeeper);
  }
  return choice;
}

} // namespace slots::win32
