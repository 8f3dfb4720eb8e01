#include "win32/platform/solid_brushes.h"

namespace slots::win32 {

HBRUSH SolidBrushes::BrushFor(COLORREF colour) {
  for (const Entry &entry : brushes_) {
    if (entry.colour == colour) {
      return entry.brush.Get();
    }
  }
  brushes_.push_back(Entry{colour, UniqueBrush(CreateSolidBrush(colour))});
  return brushes_.back().brush.Get();
}

} // namespace slots::win32
