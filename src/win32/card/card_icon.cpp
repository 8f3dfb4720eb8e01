#include "win32/card/card_icon.h"

#include "win32/card/reel_symbol_art.h"

namespace slots::win32 {
namespace {

void DrawTile(HDC dc, int size, COLORREF fill, COLORREF outline) {
  UniqueBrush brush(CreateSolidBrush(fill));
  UniquePen pen(CreatePen(PS_SOLID, 1, outline));
  SelectedObject selectedBrush(dc, brush.Get());
  SelectedObject selectedPen(dc, pen.Get());
  const int corner = size / 4;
  RoundRect(dc, 0, 0, size, size, corner, corner);
}

} // namespace

UniqueIcon CreateCardIcon(int size) {
  WindowDc screen(nullptr);
  UniqueBitmap colour(CreateCompatibleBitmap(screen.Get(), size, size));
  UniqueBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
  const RECT whole{0, 0, size, size};
  {
    // Mask: 1 lets the desktop through, 0 shows the icon.
    SelectedObject selected(dc.Get(), mask.Get());
    FillRect(dc.Get(), &whole,
             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTile(dc.Get(), size, RGB(0, 0, 0), RGB(0, 0, 0));
  }
  {
    SelectedObject selected(dc.Get(), colour.Get());
    FillRect(dc.Get(), &whole,
             static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawTile(dc.Get(), size, RGB(0, 0, 128), RGB(255, 255, 255));
    const int margin = size / 8;
    DrawReelSymbol(dc.Get(), kCherryCode,
                   RECT{margin, margin, size - margin, size - margin});
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.Get();
  info.hbmColor = colour.Get();
  // The icon gets copies of both bitmaps; ours are deleted on return.
  return UniqueIcon(CreateIconIndirect(&info));
}

} // namespace slots::win32
