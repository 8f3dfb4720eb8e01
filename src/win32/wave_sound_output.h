#pragma once

#include "shell/sound_player.h"

namespace slots::win32 {

// Wave files through the multimedia player, in the background and never with
// the system's default sound in place of a missing file.
class WaveSoundOutput final : public shell::SoundOutput {
public:
  void PlaySoundFile(const std::wstring &path, bool loop) override;
};

} // namespace slots::win32
