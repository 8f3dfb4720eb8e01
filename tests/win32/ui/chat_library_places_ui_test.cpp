// Installers often put a chat client's library in the system folder: the
// card finds it there when none lies beside the program.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"
#include "win32/practice/practice_window_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace slots::ui_test {
namespace {

namespace fs = std::filesystem;
using namespace slots::win32;
using Lines = std::vector<std::string>;

// The stand-in as wadapi.dll in the system folder while the test runs; it
// keeps its log there, beside itself. Taken away afterwards with its log, so
// that every other card goes on finding no library.
class ChatLibraryInTheSystemFolder {
public:
  ChatLibraryInTheSystemFolder()
      : library_(SystemFolderPlace()),
        calls_(library_.parent_path() / "standin_calls.txt") {
    Remove();
    fs::copy_file(DriverFolder() / STANDIN_WADAPI_DLL, library_);
  }
  ~ChatLibraryInTheSystemFolder() { Remove(); }
  ChatLibraryInTheSystemFolder(const ChatLibraryInTheSystemFolder &) = delete;
  ChatLibraryInTheSystemFolder &
  operator=(const ChatLibraryInTheSystemFolder &) = delete;

  bool HasCall(const Lines &call) const {
    const auto calls = ChatCallsLogged(calls_);
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

private:
  void Remove() const {
    std::error_code ignored;
    fs::remove(library_, ignored);
    fs::remove(calls_, ignored);
  }

  fs::path library_;
  fs::path calls_;
};

TEST(ChatLibraryPlacesUi, TheLibraryInTheSystemFolderOnlyIsLinked) {
  CardFolder folder("library_in_system_folder", false);
  const ChatLibraryInTheSystemFolder library;
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickButton(card.Control(kCommand3));
  EXPECT_TRUE(WaitFor([&] {
    return library.HasCall(Lines{"DapiGetAllText", "slotscard"});
  }));
  EXPECT_TRUE(library.HasCall(Lines{"InitDDE", "slotscard"}));
  EXPECT_FALSE(WaitFor(
      [&] {
        return card.FindWindowOfCard(kPracticeWindowClass,
                                     kPracticeWindowCaption) != nullptr;
      },
      std::chrono::seconds(2)));
  ASSERT_TRUE(card.Close());
  EXPECT_TRUE(library.HasCall(Lines{"KillDDE"}));
}

} // namespace
} // namespace slots::ui_test
