#pragma once

#include "win32/card/card_layout.h"
#include "win32/platform/gdi_handles.h"

#include <vector>

namespace slots::win32 {

// The fonts of one window at one DPI, made once per face and size. At a new
// DPI the window makes a new set and hands its fonts to the controls before
// the old set goes.
class LayoutFonts {
public:
  explicit LayoutFonts(int dpi) : dpi_(dpi) {}
  HFONT FontFor(const FontStyle &style);

private:
  struct Entry {
    FontStyle style;
    UniqueFont font;
  };
  int dpi_;
  std::vector<Entry> fonts_;
};

UniqueFont CreateLayoutFont(const FontStyle &style, int dpi);

} // namespace slots::win32
