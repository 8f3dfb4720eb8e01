#pragma once

#include "shell/ini_file.h"
#include "shell/settings_file_access.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace slots::shell {

// The card's settings: keys of one section of one file.
class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(std::string_view key) = 0;
  virtual void Write(std::string_view key, std::string_view value) = 0;
  // Every entry in its order, saved as one: all of them or none.
  virtual void WriteAll(std::span<const IniEntry> entries) = 0;
};

inline constexpr std::string_view kSettingsFileName = "slots.ini";
inline constexpr std::string_view kSettingsSection = "Main";

// Section "Main" of slots.ini.
class IniSettingsStore final : public SettingsStore {
public:
  IniSettingsStore(std::filesystem::path file, SettingsFileAccess &files)
      : file_(std::move(file)), files_(files) {}
  std::string Read(std::string_view key) override;
  void Write(std::string_view key, std::string_view value) override;
  void WriteAll(std::span<const IniEntry> entries) override;

private:
  std::filesystem::path file_;
  SettingsFileAccess &files_;
};

} // namespace slots::shell
