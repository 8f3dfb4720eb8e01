#include "shell/sound_player.h"

#include <algorithm>
#include <iterator>

namespace slots::shell {

namespace {

constexpr std::wstring_view kWaveExtension = L".wav";
constexpr std::wstring_view kSeparator = L"\\";

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  path += kSeparator;
  path += name;
  return path;
}

} // namespace

bool IsWaveFileName(std::wstring_view name) {
  return name.ends_with(kWaveExtension);
}

SoundPlayer::SoundPlayer(std::wstring programFolder, SoundOutput &output,
                         FolderLister &lister, std::uint32_t seed)
    : programFolder_(std::move(programFolder)), output_(output),
      lister_(lister), random_(seed) {}

void SoundPlayer::PlayStartSound() {
  output_.PlaySoundFile(JoinPath(programFolder_, kStartSoundFile), false);
}

void SoundPlayer::PlayHoldSound() {
  output_.PlaySoundFile(JoinPath(programFolder_, kHoldSoundFile), false);
}

void SoundPlayer::PlayFinalSound(game::Outcome outcome) {
  const std::wstring_view folder =
      outcome == game::Outcome::Win ? kWinSoundsFolder : kLossSoundsFolder;
  PlayRandomSound(programFolder_ + std::wstring(folder));
}

void SoundPlayer::PlayRandomSound(const std::wstring &folder) {
  const std::optional<std::vector<std::wstring>> names =
      lister_.ListFileNames(folder);
  if (!names) {
    return;
  }
  std::vector<std::wstring_view> waves;
  std::ranges::copy_if(*names, std::back_inserter(waves), IsWaveFileName);
  if (waves.empty()) {
    return;
  }
  std::uniform_int_distribution<std::size_t> pick(0, waves.size() - 1);
  output_.PlaySoundFile(JoinPath(folder, waves[pick(random_)]), false);
}

void SoundPlayer::PlayLossSampleSound() {
  PlayRandomSound(programFolder_ + std::wstring(kLossSoundsFolder));
}

} // namespace slots::shell
