#pragma once

#include "game/card_interfaces.h"

#include <string>

namespace slots::game {

// "Y", "N", or empty for any other answer.
std::wstring AskYesNo(CardDialogs &dialogs, const std::wstring &title,
                      const std::wstring &prompt);

// Command3 "Get Host".
void GetHost(CardContext &card);
// Label2 "Free Game".
void FreeGame(CardContext &card);

} // namespace slots::game
