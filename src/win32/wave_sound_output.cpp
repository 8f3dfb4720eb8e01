#include "win32/wave_sound_output.h"

#include <windows.h>

#include <mmsystem.h>

namespace slots::win32 {

void WaveSoundOutput::PlaySoundFile(const std::wstring &path, bool loop) {
  DWORD flags = SND_ASYNC | SND_NODEFAULT | SND_FILENAME;
  if (loop) {
    flags |= SND_LOOP;
  }
  PlaySoundW(path.c_str(), nullptr, flags);
}

} // namespace slots::win32
