// Settings files the card did not write, or cannot write: it starts with
// what it can read (defaults for the rest), fails calmly, and never wipes a
// file that may be somebody else's.
#include "shell/card_lifecycle.h"
#include "shell/ini_file.h"
#include "shell/standard_settings_files.h"

#include "chat/scripted_chat_library.h"
#include "in_memory_settings_files.h"
#include "ordinary_user_child.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace slots::shell_test {
namespace {

using shell::kMaxSettingsFileSize;

// Every option off and the card away from the layout's place.
constexpr char kAllOff[] = "[Main]\r\nONTOP=0\r\nX=120\r\nY=240\r\n"
                           "FINALSOUND=0\r\nHOLDSOUND=0\r\nSTARTSOUND=0\r\n"
                           "MINTRAY=0\r\nONLYMYMACHINEKEEPER=1\r\n"
                           "KEEPGAMEHISTORY=0\r\n"
                           "WAITFORMACHINEKEEPER=0\r\n";

const game::CardOptions kDefaultOptions{.stayOnTop = true,
                                        .minimizeToTray = true,
                                        .startSound = true,
                                        .holdSound = true,
                                        .finalSound = true,
                                        .onlyMyMachinekeeper = false};

// The settings, then a comment that brings the file to the given size.
std::string AllOffPaddedTo(std::size_t size) {
  std::string file = std::string(kAllOff) + ";";
  file.append(size - file.size(), 'n');
  return file;
}

class SettingsAbuseTest : public ::testing::Test {
protected:
  std::filesystem::path File() const { return folder_.Path() / "slots.ini"; }
  void Store(const std::string &bytes) const { WriteBytes(File(), bytes); }
  std::string Stored() const { return ReadBytes(File()); }
  std::string ReadKey(std::string_view key) {
    return shell::ReadIniValue("Main", key, File(), files_);
  }
  std::vector<std::string> FolderContents() const {
    return ListFolder(folder_.Path());
  }

  // A whole run of the card: start-up, the player's changes, shut-down.
  shell::StartupResult RunCard() {
    shell::IniSettingsStore settings(File(), files_);
    const shell::StartupResult result =
        shell::StartUpCard(connection_, settings, model_);
    model_.options.holdSound = !model_.options.holdSound;
    shell::ShutDownCard(connection_, settings, model_, {.top = 9, .left = 9});
    return result;
  }

  TempFolder folder_;
  shell::StandardSettingsFileAccess files_;
  chat::testing::NoPause pause_;
  chat::ChatConnection connection_{nullptr, L"slotscard", pause_};
  game::CardModel model_;
};

TEST_F(SettingsAbuseTest, FileOf64KBIsReadAsUsual) {
  Store(AllOffPaddedTo(kMaxSettingsFileSize));

  const shell::StartupResult result = RunCard();

  EXPECT_FALSE(model_.options.stayOnTop);
  EXPECT_EQ(result.place.top, 120);
  EXPECT_EQ(ReadKey("HoldSound"), "1");
}

// Over 64 KB, be it settings with a long comment or one line of 1 MB: every
// key reads as empty, so the card starts with its defaults, and no write of
// start-up or shut-down replaces the file.
TEST_F(SettingsAbuseTest, FileOver64KBGivesDefaultsAndIsNeverReplaced) {
  const std::string oneMegabyteLine =
      "[Main]\r\nONTOP=0\r\nX=" + std::string(1024 * 1024, '7');
  for (const std::string &oversized :
       {AllOffPaddedTo(kMaxSettingsFileSize + 1), oneMegabyteLine}) {
    SCOPED_TRACE(oversized.size());
    Store(oversized);
    model_ = game::CardModel();

    const shell::StartupResult result = RunCard();

    EXPECT_EQ(model_.options.stayOnTop, kDefaultOptions.stayOnTop);
    EXPECT_EQ(model_.options.finalSound, kDefaultOptions.finalSound);
    EXPECT_FALSE(result.place.top);
    EXPECT_EQ(ReadKey("OnTop"), "");
    EXPECT_FALSE(shell::WriteIniValue("Main", "OnTop", "1", File(), files_));
    EXPECT_TRUE(Stored() == oversized);
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
  }
}

// Whichever way the bytes arrive, the settings code itself holds to the limit.
TEST_F(SettingsAbuseTest,
       OversizedTextFromAnyFileAccessIsNeitherReadNorReplaced) {
  InMemorySettingsFiles memory;
  memory.files[File()] = AllOffPaddedTo(kMaxSettingsFileSize + 1);

  EXPECT_EQ(shell::ReadIniValue("Main", "OnTop", File(), memory), "");
  EXPECT_FALSE(shell::WriteIniValue("Main", "OnTop", "1", File(), memory));

  EXPECT_EQ(memory.replaces, 0);
}

// Else the file would be refused at the next start, settings and all.
TEST_F(SettingsAbuseTest, WriteThatWouldGrowTheFileOver64KBIsRefused) {
  const std::string almostFull = AllOffPaddedTo(kMaxSettingsFileSize - 4);
  Store(almostFull);

  EXPECT_TRUE(shell::WriteIniValue("Main", "X", "1", File(), files_));
  EXPECT_FALSE(shell::WriteIniValue("Main", "Note", "long", File(), files_));

  EXPECT_EQ(Stored().size(), kMaxSettingsFileSize - 6);
  EXPECT_EQ(ReadKey("X"), "1");
  EXPECT_EQ(ReadKey("Note"), "");
}

// Whatever bytes the file holds, a write adds the setting after them and
// keeps every one of them.
TEST_F(SettingsAbuseTest, FileOfRandomBytesKeepsItsBytesAndTakesTheSetting) {
  std::mt19937 random(20240611u);
  for (int round = 0; round < 40; ++round) {
    std::string noise(random() % 4096, '\0');
    for (char &byte : noise) {
      byte = static_cast<char>(random());
    }
    SCOPED_TRACE(round);
    Store(noise);

    EXPECT_EQ(ReadKey("OnTop"), "");
    ASSERT_TRUE(shell::WriteIniValue("Main", "OnTop", "0", File(), files_));

    EXPECT_EQ(ReadKey("OnTop"), "0");
    EXPECT_EQ(Stored().substr(0, noise.size()), noise);
  }
}

TEST_F(SettingsAbuseTest, OfDuplicateKeysAndSectionsTheFirstCounts) {
  Store("[Main]\r\nONTOP=0\r\nontop=1\r\nX=5\r\n[main]\r\nY=6\r\nX=7\r\n");

  const shell::StartupResult result = RunCard();

  EXPECT_FALSE(model_.options.stayOnTop);
  EXPECT_EQ(result.place.top, 5);
  EXPECT_FALSE(result.place.left);
  // Shut-down changes the first of each; the rest stay as they were.
  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=0\r\nontop=1\r\nX=9\r\nY=9\r\n"
                      "FINALSOUND=1\r\nHOLDSOUND=0\r\nSTARTSOUND=1\r\n"
                      "MINTRAY=1\r\nONLYMYMACHINEKEEPER=0\r\n"
                      "KEEPGAMEHISTORY=0\r\nWAITFORMACHINEKEEPER=0\r\n"
                      "[main]\r\nY=6\r\nX=7\r\n");
}

TEST_F(SettingsAbuseTest, ReadOnlyFileIsReadAndKeptAsItIs) {
  Store(kAllOff);
  std::filesystem::permissions(File(), std::filesystem::perms::owner_read);

  const shell::StartupResult result = RunCard();

  EXPECT_FALSE(model_.options.finalSound);
  EXPECT_EQ(result.place.left, 240);
  EXPECT_EQ(Stored(), kAllOff);
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(SettingsAbuseTest, FileInAReadOnlyFolderIsReadAndKeptAsItIs) {
  Store(kAllOff);
  namespace fs = std::filesystem;
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write |
                              fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder_.Path(),
                  fs::perms::owner_read | fs::perms::owner_exec |
                      fs::perms::group_read | fs::perms::group_exec |
                      fs::perms::others_read | fs::perms::others_exec);

  const std::optional<bool> refusedAndRead = RunAsOrdinaryUser([this] {
    const bool written =
        shell::WriteIniValue("Main", "OnTop", "1", File(), files_);
    return !written && ReadKey("OnTop") == "0";
  });

  ASSERT_TRUE(refusedAndRead.has_value()) << "no child as an ordinary user";
  EXPECT_TRUE(*refusedAndRead);
  EXPECT_EQ(Stored(), kAllOff);
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(SettingsAbuseTest, MissingFileGivesDefaultsAndIsCreated) {
  const shell::StartupResult result = RunCard();

  EXPECT_EQ(result.place.top, std::nullopt);
  EXPECT_EQ(ReadKey("HoldSound"), "0");
  EXPECT_EQ(ReadKey("X"), "9");
}

TEST_F(SettingsAbuseTest, MissingFolderGivesDefaultsAndQuietFailures) {
  const std::filesystem::path inMissingFolder =
      folder_.Path() / "gone" / "slots.ini";
  shell::IniSettingsStore settings(inMissingFolder, files_);

  shell::StartUpCard(connection_, settings, model_);
  shell::ShutDownCard(connection_, settings, model_, {});

  EXPECT_EQ(model_.options, kDefaultOptions);
  EXPECT_TRUE(FolderContents().empty());
}

} // namespace
} // namespace slots::shell_test
