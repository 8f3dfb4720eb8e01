#pragma once

#include "shell/sound_player.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace slots::shell_test {

struct PlayedSound {
  std::wstring path;
  bool loop = false;
};

class RecordingSoundOutput final : public shell::SoundOutput {
public:
  std::vector<PlayedSound> played;

  void PlaySoundFile(const std::wstring &path, bool loop) override {
    played.push_back({path, loop});
  }
};

// Folders it has not been told about cannot be read.
class FakeFolderLister final : public shell::FolderLister {
public:
  std::map<std::wstring, std::vector<std::wstring>> folders;
  std::vector<std::wstring> listed;

  std::optional<std::vector<std::wstring>>
  ListFileNames(const std::wstring &folder) override {
    listed.push_back(folder);
    const auto found = folders.find(folder);
    if (found == folders.end()) {
      return std::nullopt;
    }
    return found->second;
  }
};

} // namespace slots::shell_test
