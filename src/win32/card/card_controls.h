#pragma once

#include "win32/card/card_layout.h"
#include "win32/card/layout_fonts.h"

#include <windows.h>

#include <array>

namespace slots::win32 {

// The child windows of the card, made from the layout table and placed at
// their twips scaled by the window's DPI.
class CardControls {
public:
  void Create(HWND parent, HINSTANCE instance, int dpi);
  // New places and fonts after the window moved to a monitor of another DPI.
  void ApplyDpi(int dpi);

  HWND Get(int id) const { return GetDlgItem(parent_, id); }
  HFONT FontOf(int id);
  int Dpi() const { return dpi_; }
  // The control's layout place in client pixels.
  RECT LayoutRect(int id) const;

  // What the HOLD labels of reels 1 to 3 show now: red when held.
  std::array<bool, 3> shownHolds{};

private:
  HWND parent_ = nullptr;
  int dpi_ = 96;
  LayoutFonts fonts_{96};
};

} // namespace slots::win32
