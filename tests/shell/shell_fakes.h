#pragma once

#include "chat/chat_connection.h"
#include "chat/chat_library.h"
#include "shell/sound_player.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace slots::shell_test {

// Records the calls that matter at start-up and shut-down.
class RecordingChatLibrary final : public chat::ChatLibrary {
public:
  std::int16_t initResult = 0;
  std::vector<std::wstring> calls;

  std::int16_t InitDDE(const std::wstring &applicationName,
                       chat::ChatCallbacks &) override {
    calls.push_back(L"InitDDE " + applicationName);
    return initResult;
  }
  void KillDDE() override { calls.push_back(L"KillDDE"); }
  void DapiRegister(const std::wstring &) override {
    calls.push_back(L"DapiRegister");
  }
  void DapiCommunicate(const std::wstring &, std::int16_t, const std::wstring &,
                       const std::wstring &) override {
    calls.push_back(L"DapiCommunicate");
  }
  void DapiGetAllText(const std::wstring &) override {
    calls.push_back(L"DapiGetAllText");
  }
};

class NoRepeatPause final : public chat::RepeatPause {
public:
  void Pause(std::chrono::milliseconds) override {}
};

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
