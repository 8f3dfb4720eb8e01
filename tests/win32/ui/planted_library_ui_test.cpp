// Libraries dropped beside the card under the names of system libraries it
// uses (the sound player, the picture lists and list view, the Save dialog)
// never run, even where the system would look beside the program first.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace slots::ui_test {
namespace {

namespace fs = std::filesystem;
using namespace slots::win32;

// Wine prefers its own copies of system libraries; told to prefer the files
// found beside the card, it loads whatever the card lets the system search
// find there, as Windows would. The wish is kept while the test runs.
class PreferLibrariesBesideTheCard {
public:
  PreferLibrariesBesideTheCard() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    for (const wchar_t *library : {L"winmm", L"comctl32", L"comdlg32"})
      RegSetValueExW(key, library, 0, REG_SZ,
                     reinterpret_cast<const BYTE *>(kNativeFirst),
                     sizeof(kNativeFirst));
    RegCloseKey(key);
  }
  ~PreferLibrariesBesideTheCard() { RegDeleteKeyW(HKEY_CURRENT_USER, kKey); }
  PreferLibrariesBesideTheCard(const PreferLibrariesBesideTheCard &) = delete;
  PreferLibrariesBesideTheCard &
  operator=(const PreferLibrariesBesideTheCard &) = delete;

private:
  static constexpr wchar_t kKey[] =
      L"Software\\Wine\\AppDefaults\\slotscard.exe\\DllOverrides";
  static constexpr wchar_t kNativeFirst[] = L"native,builtin";
};

fs::path LoadMarker(const fs::path &library) {
  fs::path marker = library;
  marker += ".loaded";
  return marker;
}

fs::path PlantLibrary(const CardFolder &folder, const wchar_t *name) {
  const fs::path planted = folder.Path() / name;
  fs::copy_file(DriverFolder() / PLANTED_LIBRARY_DLL, planted);
  return planted;
}

TEST(PlantedLibraryUi, TheMarkerShowsWhenThePlantedLibraryIsLoaded) {
  CardFolder folder("planted_probe");
  const fs::path probe = PlantLibrary(folder, L"planted_probe.dll");
  HMODULE module = LoadLibraryW(probe.c_str());
  ASSERT_NE(module, nullptr);
  FreeLibrary(module);
  EXPECT_TRUE(fs::exists(LoadMarker(probe)));
}

TEST(PlantedLibraryUi, SystemLibrariesBesideTheCardNeverRun) {
  CardFolder folder("planted_libraries");
  const fs::path winmm = PlantLibrary(folder, L"winmm.dll");
  const fs::path comctl32 = PlantLibrary(folder, L"comctl32.dll");
  const fs::path comdlg32 = PlantLibrary(folder, L"comdlg32.dll");
  fs::create_directories(folder.Path() / "l_sounds");
  std::ofstream(folder.Path() / "l_sounds" / "loss.wav") << "RIFF";

  const PreferLibrariesBesideTheCard preferBeside;
  CardProcess card(folder);
  if (card.Window() != nullptr) {
    // "Sound" plays a loss sound and "Spin" draws the picture reels: both
    // libraries are in use after these.
    ClickButton(card.Control(kCommand2));
    ClickButton(card.Control(kCommand7));
    WaitUntilIdle(card.Window());
    // The history's list and its Save dialog.
    ChooseMenuItem(card.Window(), kMnuGameHistory);
    HWND history =
        card.WaitForWindowOfCard(kHistoryWindowClass, kHistoryWindowCaption);
    ASSERT_NE(history, nullptr);
    EXPECT_NE(GetDlgItem(history, kHistoryList), nullptr);
    PostMessageW(GetDlgItem(history, kHistorySaveButton), BM_CLICK, 0, 0);
    HWND dialog = card.WaitForWindowOfCard(kMessageBoxClass, L"Save As");
    ASSERT_NE(dialog, nullptr);
    AnswerMessageBox(dialog, IDCANCEL);
  }
  EXPECT_FALSE(fs::exists(LoadMarker(winmm)));
  EXPECT_FALSE(fs::exists(LoadMarker(comctl32)));
  EXPECT_FALSE(fs::exists(LoadMarker(comdlg32)));
  ASSERT_NE(card.Window(), nullptr);
  EXPECT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
