#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace slots::shell {

// The card's settings: keys of one section of one file.
class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(std::string_view key) = 0;
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

inline constexpr std::string_view kSettingsFileName = "slots.ini";
inline constexpr std::string_view kSettingsSection = "Main";

// Section "Main" of slots.ini.
class IniSettingsStore final : public SettingsStore {
public:
  explicit IniSettingsStore(std::filesystem::path file)
      : file_(std::move(file)) {}
  std::string Read(std::string_view key) override;
  void Write(std::string_view key, std::string_view value) override;

private:
  std::filesystem::path file_;
};

} // namespace slots::shell
