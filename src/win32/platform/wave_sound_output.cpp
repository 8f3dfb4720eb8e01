#include "win32/platform/wave_sound_output.h"

#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <mmsystem.h>

namespace slots::win32 {

WaveSoundOutput::~WaveSoundOutput() {
  if (playSound_ != nullptr) {
    playSound_(nullptr, nullptr, 0);
  }
}

WaveSoundOutput::PlaySoundFunction WaveSoundOutput::FindPlayer() {
  if (!playerLookedFor_) {
    playerLookedFor_ = true;
    playSound_ = FindExport<PlaySoundFunction>(
        LoadSystemLibraryForProcess(L"winmm.dll"), "PlaySoundW");
  }
  return playSound_;
}

void WaveSoundOutput::PlaySoundFile(const std::wstring &path, bool loop) {
  const PlaySoundFunction playSound = FindPlayer();
  if (playSound == nullptr) {
    return;
  }
  DWORD flags = SND_ASYNC | SND_NODEFAULT | SND_FILENAME;
  if (loop) {
    flags |= SND_LOOP;
  }
  playSound(path.c_str(), nullptr, flags);
}

} // namespace slots::win32
