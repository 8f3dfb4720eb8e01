#include "win32/card/credit_label_fit.h"

#include "win32/platform/dpi_scaling.h"
#include "win32/platform/gdi_handles.h"

#include <algorithm>

namespace slots::win32 {
namespace {

// Room a static control leaves beside its text.
constexpr int kTextMarginTwips = 30;

int TextWidth(HWND control, HFONT font, const std::wstring &text) {
  WindowDc dc(control);
  SelectedObject selected(dc.Get(), font);
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()),
                        &size);
  return size.cx;
}

RECT CurrentRectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&rect),
                  2);
  return rect;
}

} // namespace

void FitCreditLabel(CardControls &controls, const std::wstring &credits) {
  HWND credit = controls.Get(kLblCredit);
  HWND caption = controls.Get(kLabel1);
  const int dpi = controls.Dpi();
  const int needed = TextWidth(credit, controls.FontOf(kLblCredit), credits) +
                     TwipsToPixels(kTextMarginTwips, dpi);
  const int clientRight = TwipsToPixels(kCardClientTwips.cx, dpi);
  const RECT captionRect = controls.LayoutRect(kLabel1);

  RECT place = controls.LayoutRect(kLblCredit);
  if (place.right - place.left < needed) {
    place.right = std::min<LONG>(clientRight, place.left + needed);
  }
  if (place.right - place.left < needed) {
    place.left = std::max<LONG>(captionRect.left, clientRight - needed);
  }

  // Only a balance that took room on the left hides the caption. A font
  // whose "Credits:" is wider than its box (a Japanese one, say) is clipped
  // by the box, as every label is.
  const bool grewLeft = place.left < controls.LayoutRect(kLblCredit).left;
  ShowWindow(caption, grewLeft ? SW_HIDE : SW_SHOWNA);

  const RECT current = CurrentRectInParent(credit);
  if (!EqualRect(&place, &current)) {
    SetWindowPos(credit, nullptr, place.left, place.top,
                 place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

} // namespace slots::win32
