#include "win32/card/card_controls.h"

#include "win32/platform/dpi_scaling.h"

#include <commctrl.h>

namespace slots::win32 {
namespace {

struct WindowKind {
  const wchar_t *className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(const ControlLayout &layout) {
  const DWORD common = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (layout.kind) {
  case ControlKind::Button:
    return {WC_BUTTONW, common | WS_TABSTOP | BS_PUSHBUTTON, 0};
  case ControlKind::TextBox:
    return {WC_EDITW, common | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
  case ControlKind::PictureBox:
    return {WC_STATICW, common | SS_OWNERDRAW, 0};
  case ControlKind::Frame:
    return {WC_STATICW, common, 0};
  case ControlKind::Label:
    break;
  }
  DWORD style = common | SS_NOPREFIX;
  // A label never wraps its caption onto a line it has no room for.
  style |= layout.centred ? SS_CENTER : SS_LEFTNOWORDWRAP;
  if (layout.clickable) {
    style |= SS_NOTIFY;
  }
  if (layout.border) {
    style |= WS_BORDER;
  }
  return {WC_STATICW, style, 0};
}

} // namespace

void CardControls::Create(HWND parent, HINSTANCE instance, int dpi) {
  parent_ = parent;
  dpi_ = dpi;
  fonts_ = LayoutFonts(dpi);
  for (const ControlLayout &layout : CardControlLayouts()) {
    const WindowKind kind = KindOf(layout);
    const RECT place = LayoutRect(layout.id);
    HWND control = CreateWindowExW(
        kind.exStyle, kind.className, layout.caption, kind.style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance,
        nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts_.FontFor(layout.font)), FALSE);
  }
}

void CardControls::ApplyDpi(int dpi) {
  dpi_ = dpi;
  LayoutFonts fonts(dpi);
  for (const ControlLayout &layout : CardControlLayouts()) {
    HWND control = Get(layout.id);
    const RECT place = LayoutRect(layout.id);
    SetWindowPos(control, nullptr, place.left, place.top,
                 place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts.FontFor(layout.font)), TRUE);
  }
  fonts_ = std::move(fonts);
}

HFONT CardControls::FontOf(int id) {
  return fonts_.FontFor(CardControlLayout(id).font);
}

RECT CardControls::LayoutRect(int id) const {
  const TwipsPlace &place = CardControlLayout(id).place;
  return TwipsToPixelRect(place.left, place.top, place.width, place.height,
                          dpi_);
}

} // namespace slots::win32
