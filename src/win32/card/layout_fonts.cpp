#include "win32/card/layout_fonts.h"

#include "win32/platform/dpi_scaling.h"

#include <cwchar>

namespace slots::win32 {

UniqueFont CreateLayoutFont(const FontStyle &style, int dpi) {
  LOGFONTW font{};
  font.lfHeight = FontHeightForPoints(style.hundredthsOfPoint, dpi);
  font.lfWeight = style.weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = style.pitchAndFamily;
  wcsncpy(font.lfFaceName, style.face, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

HFONT LayoutFonts::FontFor(const FontStyle &style) {
  for (const Entry &entry : fonts_) {
    if (entry.style == style) {
      return entry.font.Get();
    }
  }
  fonts_.push_back(Entry{style, CreateLayoutFont(style, dpi_)});
  return fonts_.back().font.Get();
}

} // namespace slots::win32
