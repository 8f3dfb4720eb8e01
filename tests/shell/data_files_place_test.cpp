// Where the card keeps slots.ini and slots-history.csv: beside the program
// where it may write there, else in the player's own folder, which starts
// from the settings an older card left behind.
#include "shell/data_files_place.h"

#include "in_memory_settings_files.h"

#include <gtest/gtest.h>

#include <map>

namespace slots::shell_test {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = "/Program Files/Chat";
const fs::path kLocal = "/Users/ann/AppData/Local";
const fs::path kOwn = kLocal / "Slots Card";
const fs::path kStore = kLocal / "VirtualStore/Program Files/Chat";
// Letters for places: S the virtual store, B beside the program, O the own
// folder. The settings each holds when found there.
const std::map<char, std::pair<fs::path, std::string>> kPlaces = {
    {'S', {kStore, "[Main]\r\nONTOP=0\r\n"}},
    {'B', {kProgram, "[Main]\r\nONTOP=7\r\n"}},
    {'O', {kOwn, "[Main]\r\nONTOP=1\r\n"}}};

struct PlaceCase {
  const char *name;
  // Of B and O, the folders that refuse new files.
  std::string refusing;
  // The places that hold settings before the choice.
  std::string found;
  // The folder chosen, B or O, and whose settings the own folder holds
  // afterwards (a space for none).
  char chosen, ownAfter;
};

class DataFilesPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(DataFilesPlaceTest, ChoosesTheFolderAndStartsFromTheNewestSettings) {
  const PlaceCase &given = GetParam();
  InMemorySettingsFiles files;
  InMemoryDataFolders folders(files);
  folders.localAppData = kLocal;
  for (const char place : given.refusing)
    files.refusingFolders.insert(kPlaces.at(place).first);
  for (const char place : given.found)
    files.files[kPlaces.at(place).first / "slots.ini"] =
        kPlaces.at(place).second;
  auto expected = files.files;
  if (given.ownAfter != ' ')
    expected[kOwn / "slots.ini"] = kPlaces.at(given.ownAfter).second;

  const shell::DataFilesPlace place =
      shell::ChooseDataFilesPlace(kProgram, folders, files);

  EXPECT_EQ(place.folder, kPlaces.at(given.chosen).first);
  // Only the own folder's settings are ever written, and that folder is
  // made only for a program folder that refuses files.
  EXPECT_EQ(files.files, expected);
  EXPECT_EQ(folders.made.contains(kOwn),
            given.refusing.find('B') != std::string::npos);
  EXPECT_EQ(place.unsavedNotice,
            given.refusing == "BO"
                ? L"The card cannot save its settings or its game history: it "
                  L"may write neither in " +
                      kProgram.wstring() + L" nor in " + kOwn.wstring() +
                      L". It plays on, but what you change this time is lost "
                      L"when it closes."
                : L"");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DataFilesPlaceTest,
    ::testing::Values(PlaceCase{"WritableProgramFolder", "", "SBO", 'B', 'O'},
                      PlaceCase{"WritableProgramFolderAlone", "", "", 'B', ' '},
                      PlaceCase{"ProtectedOnFirstStart", "B", "", 'O', ' '},
                      PlaceCase{"ProtectedFromTheStore", "B", "SB", 'O', 'S'},
                      PlaceCase{"ProtectedFromBeside", "B", "B", 'O', 'B'},
                      PlaceCase{"ProtectedKeepsNewer", "B", "SBO", 'O', 'O'},
                      PlaceCase{"NeitherWritable", "BO", "SB", 'B', ' '}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DataFilesPlace, WithoutAnApplicationDataFolderTheNoticeNamesOneFolder) {
  InMemorySettingsFiles files;
  files.refusingFolders = {kProgram};
  InMemoryDataFolders folders(files);
  EXPECT_NE(shell::ChooseDataFilesPlace(kProgram, folders, files)
                .unsavedNotice.find(L"it may not write in " +
                                    kProgram.wstring() + L"."),
            std::wstring::npos);
}

} // namespace
} // namespace slots::shell_test
