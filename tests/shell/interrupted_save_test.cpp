// A card killed while it saves (the player ends its process, the machine
// loses power) leaves the settings file as it was before that save or as
// that save meant it, never a mix of the two and never empty. A child
// process saves in a loop and is killed at a different moment each round.
#include "shell/card_lifecycle.h"
#include "shell/standard_settings_files.h"

#include "chat/scripted_chat_library.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace slots::shell_test {
namespace {

struct SavedSettings {
  game::CardOptions options;
  shell::WindowPlace place;
};

const SavedSettings kOld{{.stayOnTop = true,
                          .minimizeToTray = true,
                          .startSound = true,
                          .holdSound = true,
                          .finalSound = true,
                          .onlyMyMachinekeeper = false},
                         {.top = 100, .left = 200}};
const SavedSettings kNew{{.stayOnTop = false,
                          .minimizeToTray = false,
                          .startSound = false,
                          .holdSound = false,
                          .finalSound = false,
                          .onlyMyMachinekeeper = true},
                         {.top = -31000, .left = 47000}};

constexpr int kRounds = 200;
// The kill comes at one of this many evenly spread moments of a round.
constexpr int kKillMoments = 50;

class InterruptedSaveTest : public ::testing::Test {
protected:
  std::filesystem::path File() const { return folder_.Path() / "slots.ini"; }

  void Save(const SavedSettings &settings) {
    shell::IniSettingsStore store(File(), files_);
    game::CardModel model;
    model.options = settings.options;
    shell::ShutDownCard(connection_, store, model, settings.place);
  }

  // The file's bytes after a finished save of these settings.
  std::string BytesAfterSaving(const SavedSettings &settings) {
    Save(settings);
    return ReadBytes(File());
  }

  // How long one whole save takes here, on average over a few.
  std::chrono::steady_clock::duration TimeOneSave() {
    constexpr int kSaves = 6;
    const auto start = std::chrono::steady_clock::now();
    for (int save = 0; save < kSaves / 2; ++save) {
      Save(kNew);
      Save(kOld);
    }
    return (std::chrono::steady_clock::now() - start) / kSaves;
  }

  // Saves the new settings and the old ones by turns until it is killed.
  pid_t StartSavingChild() {
    const pid_t child = fork();
    if (child == 0) {
      for (;;) {
        Save(kNew);
        Save(kOld);
      }
    }
    return child;
  }

  TempFolder folder_;
  shell::StandardSettingsFileAccess files_;
  chat::testing::NoPause pause_;
  chat::ChatConnection connection_{nullptr, L"slotscard", pause_};
};

TEST_F(InterruptedSaveTest, KilledSaverLeavesTheOldOrTheNewSettingsWhole) {
  // Notes of the player's own make each save long enough to be cut in the
  // middle of its writing.
  WriteBytes(File(), "[Notes]\r\nText=" + std::string(48 * 1024, 'n') + "\r\n");
  const std::string newBytes = BytesAfterSaving(kNew);
  const std::string oldBytes = BytesAfterSaving(kOld);
  // From the child's start to several saves in, the child's start-up too.
  auto killWindow = TimeOneSave() * 3 + std::chrono::milliseconds(2);
  int oldSeen = 0;
  int newSeen = 0;

  for (int round = 0; round < kRounds; ++round) {
    // A busy machine may start the child too slowly for any save to end
    // within the window: each sweep that saw only one outcome widens it.
    if (round > 0 && round % kKillMoments == 0 &&
        (oldSeen == 0 || newSeen == 0))
      killWindow *= 2;
    const pid_t child = StartSavingChild();
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(killWindow * (round % kKillMoments) /
                                kKillMoments);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string left = ReadBytes(File());
    ASSERT_TRUE(left == oldBytes || left == newBytes)
        << "round " << round << ": " << left.size() << " bytes, neither set";
    (left == oldBytes ? oldSeen : newSeen) += 1;
  }
  // Both outcomes came up, so the kills fell at different points of a save.
  EXPECT_GT(oldSeen, 0);
  EXPECT_GT(newSeen, 0);
}

} // namespace
} // namespace slots::shell_test
