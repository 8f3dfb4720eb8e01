// The real folder listing and wave output over sound folders as players
// leave them: missing, empty, a file where the folder should be, a thousand
// files, and names that only look like wave files.
#include "shell/sound_player.h"
#include "win32/platform/folder_lister.h"
#include "win32/platform/wave_sound_output.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

class RecordingOutput final : public shell::SoundOutput {
public:
  void PlaySoundFile(const std::wstring &path, bool) override {
    played.push_back(path);
  }
  std::vector<std::wstring> played;
};

class SoundFoldersTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("slots_sound_folders_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void MakeFile(const fs::path &relative) {
    fs::create_directories((folder_ / relative).parent_path());
    std::ofstream(folder_ / relative, std::ios::binary) << "RIFF";
  }

  shell::SoundPlayer Player(shell::SoundOutput &output) {
    return shell::SoundPlayer(folder_.wstring(), output, lister_, 7u);
  }

  fs::path folder_;
  FindFileFolderLister lister_;
};

TEST_F(SoundFoldersTest, MissingEmptyOrNoFolderAtAllIsSilence) {
  RecordingOutput output;
  shell::SoundPlayer player = Player(output);
  player.PlayFinalSound(game::Outcome::Win);
  fs::create_directories(folder_ / "w_sounds");
  player.PlayFinalSound(game::Outcome::Win);
  MakeFile("l_sounds");
  player.PlayFinalSound(game::Outcome::Loss);
  MakeFile("w_sounds/readme.txt");
  MakeFile("w_sounds/song.WAV");
  MakeFile("w_sounds/song.wav.bak");
  fs::create_directories(folder_ / "w_sounds" / "folder.wav");
  player.PlayFinalSound(game::Outcome::Win);

  EXPECT_TRUE(output.played.empty());
}

TEST_F(SoundFoldersTest, AThousandFilesAllGetTheirTurn) {
  for (int i = 0; i < 1000; ++i) {
    MakeFile("w_sounds/sound" + std::to_string(i) + ".wav");
  }
  MakeFile("w_sounds/notes.txt");
  RecordingOutput output;
  shell::SoundPlayer player = Player(output);
  for (int i = 0; i < 200; ++i) {
    player.PlayFinalSound(game::Outcome::Win);
  }

  ASSERT_EQ(output.played.size(), 200u);
  const std::set<std::wstring> distinct(output.played.begin(),
                                        output.played.end());
  EXPECT_GT(distinct.size(), 150u);
  for (const std::wstring &path : distinct) {
    EXPECT_TRUE(fs::exists(path)) << fs::path(path).string();
    EXPECT_EQ(fs::path(path).extension(), ".wav");
  }
}

TEST_F(SoundFoldersTest, WaveOutputSurvivesMissingAndBrokenFiles) {
  MakeFile("w_sounds/broken.wav");
  WaveSoundOutput output;
  output.PlaySoundFile((folder_ / "nothing.wav").wstring(), false);
  output.PlaySoundFile((folder_ / "w_sounds" / "broken.wav").wstring(), false);
  output.PlaySoundFile(L"", false);
  SUCCEED() << "no sound and no fault";
}

// The player's audio thread may run on after the last sound: the player
// stays loaded for the process, whatever frees it.
TEST_F(SoundFoldersTest, WaveOutputKeepsThePlayerLoadedForTheProcess) {
  {
    WaveSoundOutput output;
    output.PlaySoundFile((folder_ / "nothing.wav").wstring(), false);
  }
  const HMODULE winmm = GetModuleHandleW(L"winmm.dll");
  ASSERT_NE(winmm, nullptr);
  FreeLibrary(winmm);
  EXPECT_EQ(GetModuleHandleW(L"winmm.dll"), winmm);
}

} // namespace
} // namespace slots::win32
