// Where the card keeps slots.ini and slots-history.csv: beside the program
// where it may write there, else in the player's own folder, which starts
// from the settings an older card left behind.
#include "shell/card_lifecycle.h"
#include "shell/data_files_place.h"
#include "shell/settings_store.h"

#include "chat/scripted_chat_library.h"
#include "in_memory_settings_files.h"

#include <gtest/gtest.h>

#include <string>

namespace slots::shell_test {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = "/Program Files/Chat";
const fs::path kLocal = "/Users/ann/AppData/Local";
const fs::path kOwn = kLocal / "Slots Card";
const fs::path kVirtualStore =
    kLocal / "VirtualStore" / "Program Files" / "Chat";
constexpr char kOlder[] = "[Main]\r\nONTOP=0\r\n";
constexpr char kBeside[] = "[Main]\r\nONTOP=7\r\n";
constexpr char kNewer[] = "[Main]\r\nONTOP=1\r\n";

struct PlaceCase {
  const char *name;
  bool programRefuses;
  bool ownRefuses;
  // Settings found before the choice; empty for none.
  std::string inVirtualStore, beside, inOwn;
  fs::path chosen;
  // What the player's own settings hold afterwards; empty for no file.
  std::string ownAfter;
};

class DataFilesPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(DataFilesPlaceTest, ChoosesTheFolderAndStartsFromTheNewestSettings) {
  const PlaceCase &given = GetParam();
  InMemorySettingsFiles files;
  InMemoryDataFolders folders(files);
  folders.localAppData = kLocal;
  if (given.programRefuses)
    files.refusingFolders.insert(kProgram);
  if (given.ownRefuses)
    files.refusingFolders.insert(kOwn);
  for (const auto &[folder, bytes] :
       {std::pair{kVirtualStore, given.inVirtualStore},
        std::pair{kProgram, given.beside}, std::pair{kOwn, given.inOwn}})
    if (!bytes.empty())
      files.files[folder / "slots.ini"] = bytes;
  const auto before = files.files;

  const shell::DataFilesPlace place =
      shell::ChooseDataFilesPlace(kProgram, folders, files);

  EXPECT_EQ(place.folder, given.chosen);
  EXPECT_EQ(place.unsavedNotice.empty(), !given.ownRefuses);
  EXPECT_EQ(files.ReadWholeFile(kOwn / "slots.ini"), given.ownAfter);
  // Nothing but the player's own settings is ever written.
  auto others = files.files;
  others.erase(kOwn / "slots.ini");
  auto othersBefore = before;
  othersBefore.erase(kOwn / "slots.ini");
  EXPECT_EQ(others, othersBefore);
  // The player's own folder is made only when the program's refuses.
  EXPECT_EQ(folders.made.contains(kOwn), given.programRefuses);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DataFilesPlaceTest,
    ::testing::Values(PlaceCase{"WritableProgramFolder", false, false, kOlder,
                                kBeside, kNewer, kProgram, kNewer},
                      PlaceCase{"WritableProgramFolderWithoutFiles", false,
                                false, "", "", "", kProgram, ""},
                      PlaceCase{"ProtectedFolderOnFirstStart", true, false, "",
                                "", "", kOwn, ""},
                      PlaceCase{"ProtectedFolderStartsFromTheVirtualStore",
                                true, false, kOlder, kBeside, "", kOwn, kOlder},
                      PlaceCase{"ProtectedFolderStartsFromTheFileBeside", true,
                                false, "", kBeside, "", kOwn, kBeside},
                      PlaceCase{"ProtectedFolderKeepsTheNewerSettings", true,
                                false, kOlder, kBeside, kNewer, kOwn, kNewer},
                      PlaceCase{"NeitherFolderWritable", true, true, kOlder,
                                kBeside, "", kProgram, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DataFilesNotice, NamesEveryFolderThatRefused) {
  InMemorySettingsFiles files;
  InMemoryDataFolders folders(files);
  files.refusingFolders = {kProgram, kLocal};
  EXPECT_EQ(shell::ChooseDataFilesPlace(kProgram, folders, files).unsavedNotice,
            L"The card cannot save its settings or its game history: it may "
            L"not write in " +
                kProgram.wstring() +
                L". It plays on, but what you change this time is lost when "
                L"it closes.");
  folders.localAppData = kLocal;
  EXPECT_NE(shell::ChooseDataFilesPlace(kProgram, folders, files)
                .unsavedNotice.find(L"neither in " + kProgram.wstring() +
                                    L" nor in " + kOwn.wstring() + L"."),
            std::wstring::npos);
}

// Two evenings of a card in a protected folder: the option changed on the
// first is there on the second, and nothing is written beside the program.
TEST(DataFilesPlaceRun, ChangesInAProtectedFolderAreKeptInTheOwnFolder) {
  InMemorySettingsFiles files;
  InMemoryDataFolders folders(files);
  folders.localAppData = kLocal;
  files.refusingFolders.insert(kProgram);
  chat::testing::NoPause pause;
  chat::ChatConnection connection(nullptr, L"slotscard", pause);
  for (const bool holdSoundBefore : {true, false}) {
    const shell::DataFilesPlace place =
        shell::ChooseDataFilesPlace(kProgram, folders, files);
    shell::IniSettingsStore settings(place.folder / "slots.ini", files);
    game::CardModel model;
    shell::StartUpCard(connection, settings, model);
    EXPECT_EQ(model.options.holdSound, holdSoundBefore);
    model.options.holdSound = false;
    shell::ShutDownCard(connection, settings, model, {.top = 9, .left = 9});
  }
  EXPECT_FALSE(files.files.contains(kProgram / "slots.ini"));
  EXPECT_NE(files.files.at(kOwn / "slots.ini").find("HOLDSOUND=0"),
            std::string::npos);
}

} // namespace
} // namespace slots::shell_test
