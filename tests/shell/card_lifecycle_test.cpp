#include "shell/card_lifecycle.h"
#include "shell/ini_file.h"
#include "shell/standard_settings_files.h"

#include "chat/scripted_chat_library.h"
#include "in_memory_settings_files.h"
#include "shell_fakes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace slots::shell_test {
namespace {

using shell::StartupResult;
using shell::WindowPlace;

// The seven long-standing keys in their order, then the newer ones.
constexpr char kDefaultsFile[] = "[Main]\r\nONTOP=1\r\nX=0\r\nY=0\r\n"
                                 "FINALSOUND=1\r\nHOLDSOUND=1\r\n"
                                 "STARTSOUND=1\r\nMINTRAY=1\r\n"
                                 "ONLYMYMACHINEKEEPER=0\r\n"
                                 "KEEPGAMEHISTORY=0\r\n"
                                 "WAITFORMACHINEKEEPER=0\r\n";

class CardLifecycleTest : public ::testing::Test {
protected:
  std::filesystem::path File() const { return folder_.Path() / "slots.ini"; }
  void Store(const std::string &bytes) const { WriteBytes(File(), bytes); }
  std::string Stored() const { return ReadBytes(File()); }
  std::string ReadKey(std::string_view key) {
    return shell::ReadIniValue("Main", key, File(), files_);
  }

  StartupResult StartUp() {
    shell::IniSettingsStore settings(File(), files_);
    return shell::StartUpCard(connection_, settings, model_);
  }
  void ShutDown(WindowPlace place) {
    shell::IniSettingsStore settings(File(), files_);
    shell::ShutDownCard(connection_, settings, model_, place);
  }

  TempFolder folder_;
  shell::StandardSettingsFileAccess files_;
  chat::testing::ScriptedChatLibrary library_;
  chat::testing::NoPause pause_;
  chat::ChatConnection connection_{&library_, L"slotscard", pause_};
  game::CardModel model_;
};

TEST_F(CardLifecycleTest, FirstStartWritesTheDefaultsInOrder) {
  const StartupResult result = StartUp();

  EXPECT_EQ(Stored(), kDefaultsFile);
  EXPECT_TRUE(result.chatLinkOpen);
  ASSERT_EQ(library_.CallKinds(), std::vector<std::wstring>{L"InitDDE"});
  EXPECT_EQ(library_.calls[0].text, L"slotscard");
  EXPECT_FALSE(result.place.top);
  EXPECT_FALSE(result.place.left);
  // The tray option is off in the layout but a missing value turns it on.
  EXPECT_EQ(model_.options, (game::CardOptions{.stayOnTop = true,
                                               .minimizeToTray = true,
                                               .startSound = true,
                                               .holdSound = true,
                                               .finalSound = true,
                                               .onlyMyMachinekeeper = false}));
}

TEST_F(CardLifecycleTest, StayOnTopIsOffOnlyForExactlyZero) {
  Store("[Main]\r\nOnTop=0\r\n");
  StartUp();
  EXPECT_FALSE(model_.options.stayOnTop);
  EXPECT_EQ(ReadKey("OnTop"), "0");

  Store("[Main]\r\nOnTop=7\r\n");
  StartUp();
  EXPECT_TRUE(model_.options.stayOnTop);
  EXPECT_EQ(ReadKey("OnTop"), "7");

  ShutDown({});
  EXPECT_EQ(ReadKey("OnTop"), "1");
}

TEST_F(CardLifecycleTest, SwitchesChangeOnlyForExactlyOneOrZero) {
  Store("[Main]\r\nFinalSound=2\r\nHoldSound=0\r\nStartSound=01\r\n"
        "MinTray=1\r\n");
  model_.options.startSound = false;

  StartUp();

  EXPECT_TRUE(model_.options.finalSound);
  EXPECT_FALSE(model_.options.holdSound);
  EXPECT_FALSE(model_.options.startSound);
  EXPECT_TRUE(model_.options.minimizeToTray);
  EXPECT_EQ(ReadKey("FinalSound"), "2");

  ShutDown({});
  EXPECT_EQ(ReadKey("FinalSound"), "1");
  EXPECT_EQ(ReadKey("StartSound"), "0");
}

// The newer switches, off unless stored on.
TEST_F(CardLifecycleTest, NewerSwitchesAreStoredUnderTheirOwnKeys) {
  const std::pair<std::string, bool game::CardOptions::*> switches[] = {
      {"OnlyMyMachinekeeper", &game::CardOptions::onlyMyMachinekeeper},
      {"KeepGameHistory", &game::CardOptions::keepGameHistory},
      {"WaitForMachinekeeper", &game::CardOptions::waitForMachinekeeper}};
  for (const auto &[key, option] : switches) {
    SCOPED_TRACE(key);
    Store("[Main]\r\n" + key + "=1\r\n");
    StartUp();
    EXPECT_TRUE(model_.options.*option);

    Store("[Main]\r\n" + key + "=2\r\n");
    StartUp();
    EXPECT_TRUE(model_.options.*option);

    Store("[Main]\r\n" + key + "=yes\r\n");
    StartUp();
    EXPECT_FALSE(model_.options.*option);
    EXPECT_EQ(ReadKey(key), "0");

    model_.options.*option = true;
    ShutDown({});
    EXPECT_EQ(ReadKey(key), "1");
    model_.options.*option = false;
  }
}

TEST_F(CardLifecycleTest, InvalidSwitchIsReplacedByItsDefault) {
  Store("[Main]\r\nOnTop=yes\r\nHoldSound=\r\nMinTray=-1\r\n");
  model_.options.holdSound = false;

  StartUp();

  EXPECT_TRUE(model_.options.stayOnTop);
  EXPECT_TRUE(model_.options.holdSound);
  EXPECT_TRUE(model_.options.minimizeToTray);
  EXPECT_EQ(ReadKey("OnTop"), "1");
  EXPECT_EQ(ReadKey("HoldSound"), "1");
  EXPECT_EQ(ReadKey("MinTray"), "1");
}

struct StoredEdgeCase {
  const char *name;
  std::string stored;
  std::optional<std::int32_t> top;
  std::string storedAfterStart;
};

void PrintTo(const StoredEdgeCase &edge, std::ostream *out) {
  *out << '"' << edge.stored << '"';
}

constexpr std::int32_t kMaxEdge = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinEdge = std::numeric_limits<std::int32_t>::min();

class StoredTopEdgeTest : public CardLifecycleTest,
                          public ::testing::WithParamInterface<StoredEdgeCase> {
};

TEST_P(StoredTopEdgeTest, SetsTheTopEdgeOrLeavesItToTheLayout) {
  const StoredEdgeCase &edge = GetParam();
  Store("[Main]\r\nX=" + edge.stored + "\r\nY=0\r\n");

  const StartupResult result = StartUp();

  EXPECT_EQ(result.place.top, edge.top);
  EXPECT_FALSE(result.place.left);
  EXPECT_EQ(ReadKey("X"), edge.storedAfterStart);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, StoredTopEdgeTest,
    ::testing::Values(
        // Above the primary screen and on a second screen: kept.
        StoredEdgeCase{"AboveTheScreen", "-150", -150, "-150"},
        StoredEdgeCase{"Beyond16Bits", "40000", 40000, "40000"},
        StoredEdgeCase{"Largest32Bits", "2147483647", kMaxEdge, "2147483647"},
        StoredEdgeCase{"Smallest32Bits", "-2147483648", kMinEdge,
                       "-2147483648"},
        StoredEdgeCase{"Zero", "0", std::nullopt, "0"},
        // No number: the layout place, and "0" stored.
        StoredEdgeCase{"Empty", "", std::nullopt, "0"},
        StoredEdgeCase{"Letters", "12a", std::nullopt, "0"},
        StoredEdgeCase{"LoneMinus", "-", std::nullopt, "0"},
        StoredEdgeCase{"TwoMinuses", "--5", std::nullopt, "0"},
        StoredEdgeCase{"Plus", "+5", std::nullopt, "0"},
        // A number too large to convert: the layout place, and the stored
        // text left as it is.
        StoredEdgeCase{"Beyond32Bits", "2147483648", std::nullopt,
                       "2147483648"},
        StoredEdgeCase{"FarBeyond32Bits", "99999999999", std::nullopt,
                       "99999999999"},
        StoredEdgeCase{"FarBelow32Bits", "-99999999999", std::nullopt,
                       "-99999999999"}),
    [](const ::testing::TestParamInfo<StoredEdgeCase> &info) {
      return std::string(info.param.name);
    });

TEST_F(CardLifecycleTest, ZeroTopWithALeftEdgeSetsOnlyTheLeftEdge) {
  Store("[Main]\r\nX=0\r\nY=300\r\n");

  const StartupResult result = StartUp();

  EXPECT_FALSE(result.place.top);
  EXPECT_EQ(result.place.left, 300);
}

TEST_F(CardLifecycleTest, LowerCaseSectionAndMixedCaseKeysAreRead) {
  const std::string file = "[main]\r\nonTop=0\r\nx=120\r\ny=-45\r\n"
                           "finalsound=0\r\nHoldSound=0\r\nSTARTsound=0\r\n"
                           "mintray=0\r\nOnlyMyMACHINEKEEPER=1\r\n"
                           "keepGameHistory=1\r\nwaitForMachinekeeper=1\r\n";
  Store(file);

  const StartupResult result = StartUp();

  EXPECT_EQ(model_.options, (game::CardOptions{.stayOnTop = false,
                                               .minimizeToTray = false,
                                               .startSound = false,
                                               .holdSound = false,
                                               .finalSound = false,
                                               .onlyMyMachinekeeper = true,
                                               .keepGameHistory = true,
                                               .waitForMachinekeeper = true}));
  EXPECT_EQ(result.place.top, 120);
  EXPECT_EQ(result.place.left, -45);
  EXPECT_EQ(Stored(), file);
}

TEST_F(CardLifecycleTest, ValuesInMatchingQuotesAreReadWithoutThem) {
  Store("[Main]\r\nOnTop=\"0\"\r\nX='120'\r\nFinalSound=\"0'\r\n");

  const StartupResult result = StartUp();

  EXPECT_FALSE(model_.options.stayOnTop);
  EXPECT_EQ(result.place.top, 120);
  // Quotes that do not match are part of the value, which is then no number.
  EXPECT_TRUE(model_.options.finalSound);
  EXPECT_EQ(ReadKey("FinalSound"), "1");
}

TEST_F(CardLifecycleTest, ShutDownWritesTheKeysInOrderAndClosesTheLink) {
  model_.options = {.stayOnTop = false,
                    .minimizeToTray = true,
                    .startSound = false,
                    .holdSound = true,
                    .finalSound = false,
                    .onlyMyMachinekeeper = true,
                    .keepGameHistory = true};
  ASSERT_TRUE(connection_.OpenLink());
  library_.calls.clear();

  ShutDown({.top = -300, .left = 50000});

  EXPECT_EQ(library_.CallKinds(), std::vector<std::wstring>{L"KillDDE"});
  EXPECT_EQ(Stored(), "[Main]\r\nFINALSOUND=0\r\nONTOP=0\r\nSTARTSOUND=0\r\n"
                      "HOLDSOUND=1\r\nMINTRAY=1\r\nX=-300\r\nY=50000\r\n"
                      "ONLYMYMACHINEKEEPER=1\r\nKEEPGAMEHISTORY=1\r\n"
                      "WAITFORMACHINEKEEPER=0\r\n");
}

// Counts the keys saved while the chat link was still open.
class LinkWatchingSettings final : public shell::SettingsStore {
public:
  explicit LinkWatchingSettings(const chat::testing::ScriptedChatLibrary &chat)
      : chat_(chat) {}
  std::string Read(std::string_view) override { return {}; }
  void Write(std::string_view, std::string_view) override {
    writtenBeforeKillDDE += LinkOpen() ? 1 : 0;
  }
  void WriteAll(std::span<const shell::IniEntry> entries) override {
    writtenBeforeKillDDE += LinkOpen() ? static_cast<int>(entries.size()) : 0;
  }
  int writtenBeforeKillDDE = 0;

private:
  bool LinkOpen() const { return chat_.CountCalls(L"KillDDE") == 0; }

  const chat::testing::ScriptedChatLibrary &chat_;
};

TEST_F(CardLifecycleTest, ShutDownSavesEverySettingBeforeTheLinkCloses) {
  ASSERT_TRUE(connection_.OpenLink());
  LinkWatchingSettings settings(library_);

  shell::ShutDownCard(connection_, settings, model_, {});

  EXPECT_EQ(settings.writtenBeforeKillDDE, 10);
  EXPECT_EQ(library_.CountCalls(L"KillDDE"), 1);
}

// A card stopped halfway through saving leaves the old settings or the new,
// never some of each: shut-down reads the file once and replaces it once.
TEST_F(CardLifecycleTest, ShutDownSavesAllKeysInOneReplaceOfTheFile) {
  InMemorySettingsFiles memory;
  memory.files[File()] = kDefaultsFile;
  shell::IniSettingsStore settings(File(), memory);

  shell::ShutDownCard(connection_, settings, model_, {.top = 5, .left = 6});

  EXPECT_EQ(memory.reads, 1);
  EXPECT_EQ(memory.replaces, 1);
  EXPECT_EQ(shell::ReadIniValue("Main", "Y", File(), memory), "6");
}

// The one save gives the very bytes the earlier sequence of single writes
// gave, on a fresh file and on files written by hand.
TEST_F(CardLifecycleTest, ShutDownWritesTheSameBytesAsOneWritePerKey) {
  model_.options = {.stayOnTop = false,
                    .minimizeToTray = true,
                    .startSound = false,
                    .holdSound = true,
                    .finalSound = false,
                    .onlyMyMachinekeeper = true};
  const WindowPlace place{.top = -300, .left = 50000};
  const std::string keyByKey[][2] = {
      {"FinalSound", "0"},      {"OnTop", "0"},
      {"StartSound", "0"},      {"HoldSound", "1"},
      {"MinTray", "1"},         {"X", "-300"},
      {"Y", "50000"},           {"OnlyMyMachinekeeper", "1"},
      {"KeepGameHistory", "0"}, {"WaitForMachinekeeper", "0"}};
  for (const std::string before :
       {"", kDefaultsFile, "; notes\n[main]\nminTray = 0\n\n[Other]\nX=1",
        "[Main]\r\nX=1\r\n[Main]\r\nY=2\r\nX=3\r\n", "no line break"}) {
    SCOPED_TRACE(before);
    InMemorySettingsFiles oneByOne;
    oneByOne.files[File()] = before;
    for (const auto &[key, value] : keyByKey) {
      ASSERT_TRUE(shell::WriteIniValue("Main", key, value, File(), oneByOne));
    }
    Store(before);

    ShutDown(place);

    EXPECT_EQ(Stored(), oneByOne.files[File()]);
  }
}

TEST_F(CardLifecycleTest, NextStartRestoresTheOptionsAndPlaceOfTheLastRun) {
  StartUp();
  model_.options.holdSound = false;
  model_.options.minimizeToTray = false;
  ShutDown({.top = -300, .left = 50000});
  model_ = game::CardModel();

  const StartupResult result = StartUp();

  EXPECT_EQ(result.place.top, -300);
  EXPECT_EQ(result.place.left, 50000);
  EXPECT_FALSE(model_.options.holdSound);
  EXPECT_FALSE(model_.options.minimizeToTray);
  EXPECT_TRUE(model_.options.finalSound);
}

TEST_F(CardLifecycleTest, FailedChatLinkStillAppliesTheSettings) {
  library_.initResult = 1;
  Store("[Main]\r\nOnTop=0\r\nY=45\r\n");

  const StartupResult result = StartUp();

  EXPECT_FALSE(result.chatLinkOpen);
  EXPECT_FALSE(model_.options.stayOnTop);
  EXPECT_EQ(result.place.left, 45);
}

TEST_F(CardLifecycleTest, NoChatLibraryStillAppliesTheSettings) {
  chat::ChatConnection withoutLibrary(nullptr, L"slotscard", pause_);
  shell::IniSettingsStore settings(File(), files_);
  Store("[Main]\r\nMinTray=0\r\n");

  const StartupResult result =
      shell::StartUpCard(withoutLibrary, settings, model_);
  shell::ShutDownCard(withoutLibrary, settings, model_, {});

  EXPECT_FALSE(result.chatLinkOpen);
  EXPECT_FALSE(model_.options.minimizeToTray);
  EXPECT_EQ(ReadKey("MinTray"), "0");
}

TEST_F(CardLifecycleTest, UnwritableFolderGivesDefaultsAndQuietFailures) {
  Store("not a folder");
  shell::IniSettingsStore settings(File() / "slots.ini", files_);

  const StartupResult result =
      shell::StartUpCard(connection_, settings, model_);
  shell::ShutDownCard(connection_, settings, model_, {.top = 15, .left = 30});

  EXPECT_TRUE(model_.options.minimizeToTray);
  EXPECT_FALSE(result.place.top);
  EXPECT_EQ(Stored(), "not a folder");
}

TEST_F(CardLifecycleTest, GarbageFileGivesDefaultsAndIsKept) {
  constexpr char kGarbage[] = "\0\xff\x01[Ma\rin=\n\x80=\x7f";
  const std::string garbage(kGarbage, sizeof kGarbage - 1);
  Store(garbage);

  const StartupResult result = StartUp();

  EXPECT_TRUE(model_.options.minimizeToTray);
  EXPECT_FALSE(result.place.top);
  EXPECT_EQ(Stored(), garbage + "\r\n" + kDefaultsFile);
}

} // namespace
} // namespace slots::shell_test
