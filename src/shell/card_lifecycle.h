#pragma once

#include "chat/chat_connection.h"
#include "game/card_model.h"
#include "shell/settings_store.h"

#include <cstdint>
#include <optional>

namespace slots::shell {

// The card window's outer top-left corner on the screen, in twips.
struct WindowPlace {
  std::int32_t top = 0;
  std::int32_t left = 0;
};

// A stored place; an edge that is empty stays where the layout puts it.
struct StoredPlace {
  std::optional<std::int32_t> top;
  std::optional<std::int32_t> left;
};

struct StartupResult {
  bool chatLinkOpen = false;
  StoredPlace place;
};

// Opens the chat link and applies the stored settings (the seven long-standing
// keys in their order, then "Only My Machinekeeper", "Keep Game History" and
// "Wait For The Machinekeeper")
// to the menu checks and the place, writing a default back for each missing
// or invalid value.
StartupResult StartUpCard(chat::ChatConnection &connection,
                          SettingsStore &settings, game::CardModel &model);

// Saves the seven long-standing settings in their order, then "Only My
// Machinekeeper", "Keep Game History" and "Wait For The Machinekeeper", in
// one write of the file.
void SaveCardSettings(SettingsStore &settings, const game::CardModel &model,
                      WindowPlace place);

// Saves the settings as above, and then closes the chat link.
void ShutDownCard(chat::ChatConnection &connection, SettingsStore &settings,
                  const game::CardModel &model, WindowPlace place);

} // namespace slots::shell
