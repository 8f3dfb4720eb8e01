#include "win32/card/card_colours.h"

namespace slots::win32 {
namespace {

std::optional<int> HeldReelOfLabel(int id) {
  switch (id) {
  case kLabel8:
    return 0;
  case kLabel9:
    return 1;
  case kLabel10:
    return 2;
  default:
    return std::nullopt;
  }
}

} // namespace

ControlColours CardControlColours(const ControlLayout &layout,
                                  const game::CardModel &model) {
  ControlColours colours{ResolveColour(layout.text), std::nullopt};
  if (layout.background) {
    colours.background = ResolveColour(*layout.background);
  }
  const std::optional<int> reel = HeldReelOfLabel(layout.id);
  if (reel && model.holds[static_cast<std::size_t>(*reel)]) {
    colours.background = kHeldColour;
  }
  return colours;
}

} // namespace slots::win32
