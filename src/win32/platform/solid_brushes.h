#pragma once

#include "win32/platform/gdi_handles.h"

#include <vector>

namespace slots::win32 {

// Solid brushes for control backgrounds, made once per colour.
class SolidBrushes {
public:
  HBRUSH BrushFor(COLORREF colour);

private:
  struct Entry {
    COLORREF colour;
    UniqueBrush brush;
  };
  std::vector<Entry> brushes_;
};

} // namespace slots::win32
