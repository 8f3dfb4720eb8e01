#pragma once

#include "shell/sound_player.h"

#include <windows.h>

namespace slots::win32 {

// Wave files through the multimedia player, in the background and never with
// the system's default sound in place of a missing file. The player (winmm)
// comes from the system folder when the first sound plays and stays for the
// life of the process, as its audio thread may; where it cannot be loaded the
// card stays silent.
class WaveSoundOutput final : public shell::SoundOutput {
public:
  WaveSoundOutput() = default;
  WaveSoundOutput(const WaveSoundOutput &) = delete;
  WaveSoundOutput &operator=(const WaveSoundOutput &) = delete;
  // Stops the sound still playing.
  ~WaveSoundOutput() override;
  void PlaySoundFile(const std::wstring &path, bool loop) override;

private:
  using PlaySoundFunction = BOOL(WINAPI *)(LPCWSTR, HMODULE, DWORD);
  PlaySoundFunction FindPlayer();

  bool playerLookedFor_ = false;
  PlaySoundFunction playSound_ = nullptr;
};

} // namespace slots::win32
