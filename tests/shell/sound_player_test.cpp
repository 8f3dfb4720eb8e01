#include "shell/sound_player.h"

#include "shell_fakes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace slots::shell_test {
namespace {

constexpr wchar_t kProgramFolder[] = L"C:\\Games\\Slots";
constexpr wchar_t kWinFolder[] = L"C:\\Games\\Slots\\w_sounds";
constexpr wchar_t kLossFolder[] = L"C:\\Games\\Slots\\l_sounds";

class SoundPlayerTest : public ::testing::Test {
protected:
  std::set<std::wstring> PlayedPaths() const {
    std::set<std::wstring> paths;
    for (const PlayedSound &sound : output_.played) {
      paths.insert(sound.path);
    }
    return paths;
  }

  RecordingSoundOutput output_;
  FakeFolderLister lister_;
  shell::SoundPlayer player_{kProgramFolder, output_, lister_, 20240611u};
};

TEST_F(SoundPlayerTest, StartAndHoldSoundsComeFromTheProgramFolder) {
  player_.PlayStartSound();
  player_.PlayHoldSound();

  ASSERT_EQ(output_.played.size(), 2u);
  EXPECT_EQ(output_.played[0].path, L"C:\\Games\\Slots\\start.wav");
  EXPECT_EQ(output_.played[1].path, L"C:\\Games\\Slots\\hold.wav");
  EXPECT_FALSE(output_.played[0].loop);
  EXPECT_FALSE(output_.played[1].loop);
}

TEST_F(SoundPlayerTest, FinalSoundComesFromTheWinOrTheLossFolder) {
  lister_.folders[kWinFolder] = {L"cheer.wav"};
  lister_.folders[kLossFolder] = {L"groan.wav"};

  player_.PlayFinalSound(game::Outcome::Win);
  player_.PlayFinalSound(game::Outcome::Loss);
  player_.PlayLossSampleSound();

  ASSERT_EQ(output_.played.size(), 3u);
  EXPECT_EQ(output_.played[0].path, L"C:\\Games\\Slots\\w_sounds\\cheer.wav");
  EXPECT_EQ(output_.played[1].path, L"C:\\Games\\Slots\\l_sounds\\groan.wav");
  EXPECT_EQ(output_.played[2].path, L"C:\\Games\\Slots\\l_sounds\\groan.wav");
  EXPECT_FALSE(output_.played[0].loop);
  EXPECT_EQ(lister_.listed,
            (std::vector<std::wstring>{kWinFolder, kLossFolder, kLossFolder}));
}

TEST_F(SoundPlayerTest, OnlyNamesEndingExactlyInLowerCaseWavAreChosen) {
  lister_.folders[kLossFolder] = {L"LOUD.WAV",     L"notes.txt", L"ding.wav",
                                  L"ding.wav.bak", L"wav",       L"boing.Wav"};

  for (int draw = 0; draw < 100; ++draw) {
    player_.PlayLossSampleSound();
  }

  EXPECT_EQ(PlayedPaths(),
            std::set<std::wstring>{L"C:\\Games\\Slots\\l_sounds\\ding.wav"});
}

TEST_F(SoundPlayerTest, RepeatedDrawsReachEveryOneOfSixtyWaveFiles) {
  std::set<std::wstring> expected;
  std::vector<std::wstring> &names = lister_.folders[kWinFolder];
  for (int number = 0; number < 60; ++number) {
    const std::wstring name = L"win" + std::to_wstring(number) + L".wav";
    names.push_back(name);
    names.push_back(L"win" + std::to_wstring(number) + L".txt");
    expected.insert(std::wstring(kWinFolder) + L"\\" + name);
  }

  for (int draw = 0; draw < 2000; ++draw) {
    player_.PlayFinalSound(game::Outcome::Win);
  }

  EXPECT_EQ(PlayedPaths(), expected);
}

TEST_F(SoundPlayerTest, QuickSuccessiveDrawsDoNotAllPickTheSameFile) {
  lister_.folders[kLossFolder] = {L"a.wav", L"b.wav", L"c.wav", L"d.wav"};

  for (int draw = 0; draw < 10; ++draw) {
    player_.PlayFinalSound(game::Outcome::Loss);
  }

  EXPECT_GT(PlayedPaths().size(), 1u);
}

TEST_F(SoundPlayerTest, FolderWithoutWaveFilesIsSilent) {
  lister_.folders[kWinFolder] = {};
  lister_.folders[kLossFolder] = {L"readme.txt", L"LOSS.WAV"};

  player_.PlayFinalSound(game::Outcome::Win);
  player_.PlayFinalSound(game::Outcome::Loss);

  EXPECT_TRUE(output_.played.empty());
}

TEST_F(SoundPlayerTest, UnreadableFolderIsSilent) {
  player_.PlayFinalSound(game::Outcome::Win);
  player_.PlayLossSampleSound();

  EXPECT_TRUE(output_.played.empty());
}

} // namespace
} // namespace slots::shell_test
