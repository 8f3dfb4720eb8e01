#pragma once

#include "game/card_model.h"
#include "win32/card/card_layout.h"

#include <windows.h>

#include <optional>

namespace slots::win32 {

struct ControlColours {
  COLORREF text;
  // Empty: the window's background shows through.
  std::optional<COLORREF> background;
};

inline constexpr COLORREF kHeldColour = RGB(255, 0, 0);

// The colours of a card control as the model wants them now: the layout's,
// except a held reel's HOLD label, which is red.
ControlColours CardControlColours(const ControlLayout &layout,
                                  const game::CardModel &model);

} // namespace slots::win32
