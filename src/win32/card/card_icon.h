#pragma once

#include "win32/platform/gdi_handles.h"

#include <map>

namespace slots::win32 {

// The card's icon group in the program's resources (slotscard.rc).
inline constexpr int kCardIconResource = 1;

// The icon sizes Windows asks for at the DPI: the small one of the title
// bar, the taskbar and the tray, and the big one of Alt+Tab.
int SmallIconSize(int dpi);
int BigIconSize(int dpi);

// The card's icon at the sizes asked for, each loaded from the resource's
// nearest image once and kept until the card goes: windows and the tray
// may still show an icon handed out earlier. Null when the program carries
// no icon.
class CardIcons {
public:
  explicit CardIcons(HINSTANCE instance) : instance_(instance) {}
  HICON Get(int size);

private:
  HINSTANCE instance_;
  std::map<int, UniqueIcon> loaded_;
};

} // namespace slots::win32
