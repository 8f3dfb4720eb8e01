// Installers often put a chat client's library in the system folder: the
// card links to it there when none lies beside the program.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"
#include "win32/practice/practice_window_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace slots::ui_test {
namespace {

namespace fs = std::filesystem;
using namespace slots::win32;

// The stand-in as wadapi.dll in the system folder, keeping its log beside
// itself; both go afterwards, so that later cards find no library.
struct ChatLibraryInTheSystemFolder {
  fs::path library = SystemFolderPlace();
  fs::path log = library.parent_path() / "standin_calls.txt";
  ChatLibraryInTheSystemFolder() {
    fs::copy_file(DriverFolder() / STANDIN_WADAPI_DLL, library,
                  fs::copy_options::overwrite_existing);
  }
  ~ChatLibraryInTheSystemFolder() {
    std::error_code ignored;
    fs::remove(library, ignored);
    fs::remove(log, ignored);
  }
  bool HasCall(const std::vector<std::string> &call) const {
    const auto calls = ChatCallsLogged(log);
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
};

TEST(ChatLibraryPlacesUi, TheLibraryInTheSystemFolderOnlyIsLinked) {
  CardFolder folder("library_in_system_folder", false);
  const ChatLibraryInTheSystemFolder library;
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickButton(card.Control(kCommand3));
  EXPECT_TRUE(WaitFor([&] {
    return library.HasCall({"DapiGetAllText", "slotscard"});
  }));
  EXPECT_TRUE(library.HasCall({"InitDDE", "slotscard"}));
  EXPECT_FALSE(WaitFor(
      [&] {
        return card.FindWindowOfCard(kPracticeWindowClass,
                                     kPracticeWindowCaption) != nullptr;
      },
      std::chrono::seconds(2)));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
