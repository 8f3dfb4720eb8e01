#pragma once

#include "game/card_interfaces.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace slots::shell {

// Plays a wave file in the background, cutting off the one still playing.
class SoundOutput {
public:
  virtual ~SoundOutput() = default;
  virtual void PlaySoundFile(const std::wstring &path, bool loop) = 0;
};

class FolderLister {
public:
  virtual ~FolderLister() = default;
  // Names of the files in the folder; nothing when it cannot be read.
  virtual std::optional<std::vector<std::wstring>>
  ListFileNames(const std::wstring &folder) = 0;
};

inline constexpr std::wstring_view kWinSoundsFolder = L"\\w_sounds";
inline constexpr std::wstring_view kLossSoundsFolder = L"\\l_sounds";
inline constexpr std::wstring_view kStartSoundFile = L"start.wav";
inline constexpr std::wstring_view kHoldSoundFile = L"hold.wav";

// Only names ending exactly in ".wav" count.
bool IsWaveFileName(std::wstring_view name);

// The card's sounds, found in the program folder. The random generator is
// seeded once, so quick calls do not all pick the same file. The menu's sound
// switches are checked by the game actions, not here.
class SoundPlayer final : public game::CardSounds {
public:
  SoundPlayer(std::wstring programFolder, SoundOutput &output,
              FolderLister &lister, std::uint32_t seed);

  void PlayStartSound() override;
  void PlayHoldSound() override;
  void PlayFinalSound(game::Outcome outcome) override;
  // A random wave file of the folder; silence when it has none.
  void PlayRandomSound(const std::wstring &folder);
  // Command2 "Sound": a loss sound, whatever the switches say.
  void PlayLossSampleSound();

private:
  std::wstring programFolder_;
  SoundOutput &output_;
  FolderLister &lister_;
  std::mt19937 random_;
};

} // namespace slots::shell
