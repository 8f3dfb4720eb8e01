#include "shell/card_lifecycle.h"

#include "chat/chat_text_reader.h"

#include <charconv>
#include <string>

namespace slots::shell {

namespace {

constexpr std::string_view kOnTopKey = "OnTop";
constexpr std::string_view kTopEdgeKey = "X";
constexpr std::string_view kLeftEdgeKey = "Y";
constexpr std::string_view kFinalSoundKey = "FinalSound";
constexpr std::string_view kHoldSoundKey = "HoldSound";
constexpr std::string_view kStartSoundKey = "StartSound";
constexpr std::string_view kMinTrayKey = "MinTray";
// Read and written after the seven long-standing keys, which keep their order.
constexpr std::string_view kOnlyMyMachinekeeperKey = "OnlyMyMachinekeeper";
constexpr std::string_view kKeepGameHistoryKey = "KeepGameHistory";
constexpr std::string_view kWaitForMachinekeeperKey = "WaitForMachinekeeper";

constexpr std::string_view kOn = "1";
constexpr std::string_view kOff = "0";
// A stored edge of "0" leaves the window where the layout puts it.
constexpr std::string_view kLayoutEdge = "0";

// A position may be negative (left of or above the primary screen) and beyond
// 16 bits (a second screen).
bool IsEdgeText(std::string_view text) {
  if (text.starts_with('-')) {
    text.remove_prefix(1);
  }
  return chat::IsAllDigits(text);
}

// Empty when the edge does not fit 32 bits.
std::optional<std::int32_t> ConvertEdge(std::string_view text) {
  std::int32_t edge = 0;
  const char *end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, edge);
  if (error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return edge;
}

// The value if it is a digit string; otherwise the default, written back.
std::string ReadDigitSetting(SettingsStore &settings, std::string_view key,
                             std::string_view fallback) {
  std::string value = settings.Read(key);
  if (chat::IsAllDigits(value)) {
    return value;
  }
  settings.Write(key, fallback);
  return std::string(fallback);
}

// Only exactly "1" and "0" change the option; other digits leave it alone.
void ApplySwitch(SettingsStore &settings, std::string_view key, bool &option,
                 std::string_view fallback = kOn) {
  const std::string value = ReadDigitSetting(settings, key, fallback);
  if (value == kOn) {
    option = true;
  } else if (value == kOff) {
    option = false;
  }
}

// Text that is no number is stored as "0" and leaves the edge at its layout
// place. A number too large to convert leaves the edge there too, but stays
// stored as it is.
std::optional<std::int32_t> CheckEdge(SettingsStore &settings,
                                      std::string_view key,
                                      std::string_view value) {
  if (!IsEdgeText(value)) {
    settings.Write(key, kLayoutEdge);
    return std::nullopt;
  }
  if (value == kLayoutEdge) {
    return std::nullopt;
  }
  return ConvertEdge(value);
}

std::string_view SwitchText(bool on) { return on ? kOn : kOff; }

} // namespace

StartupResult StartUpCard(chat::ChatConnection &connection,
                          SettingsStore &settings, game::CardModel &model) {
  StartupResult result;
  result.chatLinkOpen = connection.OpenLink();

  game::CardOptions &options = model.options;
  options.stayOnTop = ReadDigitSetting(settings, kOnTopKey, kOn) != kOff;

  const std::string top = settings.Read(kTopEdgeKey);
  const std::string left = settings.Read(kLeftEdgeKey);
  result.place.top = CheckEdge(settings, kTopEdgeKey, top);
  result.place.left = CheckEdge(settings, kLeftEdgeKey, left);

  ApplySwitch(settings, kFinalSoundKey, options.finalSound);
  ApplySwitch(settings, kHoldSoundKey, options.holdSound);
  ApplySwitch(settings, kStartSoundKey, options.startSound);
  ApplySwitch(settings, kMinTrayKey, options.minimizeToTray);
  ApplySwitch(settings, kOnlyMyMachinekeeperKey, options.onlyMyMachinekeeper,
              kOff);
  ApplySwitch(settings, kKeepGameHistoryKey, options.keepGameHistory, kOff);
  ApplySwitch(settings, kWaitForMachinekeeperKey, options.waitForMachinekeeper,
              kOff);
  return result;
}

// One save for all of them, so a card stopped while saving leaves the old
// settings or the new ones.
void SaveCardSettings(SettingsStore &settings, const game::CardModel &model,
                      WindowPlace place) {
  const game::CardOptions &options = model.options;
  const IniEntry entries[] = {
      {std::string(kFinalSoundKey),
       std::string(SwitchText(options.finalSound))},
      {std::string(kOnTopKey), std::string(SwitchText(options.stayOnTop))},
      {std::string(kStartSoundKey),
       std::string(SwitchText(options.startSound))},
      {std::string(kHoldSoundKey), std::string(SwitchText(options.holdSound))},
      {std::string(kMinTrayKey),
       std::string(SwitchText(options.minimizeToTray))},
      {std::string(kTopEdgeKey), std::to_string(place.top)},
      {std::string(kLeftEdgeKey), std::to_string(place.left)},
      {std::string(kOnlyMyMachinekeeperKey),
       std::string(SwitchText(options.onlyMyMachinekeeper))},
      {std::string(kKeepGameHistoryKey),
       std::string(SwitchText(options.keepGameHistory))},
      {std::string(kWaitForMachinekeeperKey),
       std::string(SwitchText(options.waitForMachinekeeper))},
  };
  settings.WriteAll(entries);
}

void ShutDownCard(chat::ChatConnection &connection, SettingsStore &settings,
                  const game::CardModel &model, WindowPlace place) {
  // The settings first: a chat library that hangs or fails in KillDDE must
  // not cost the player their options and place.
  SaveCardSettings(settings, model, place);
  connection.CloseLink();
}

} // namespace slots::shell
