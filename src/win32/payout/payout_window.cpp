#include "win32/payout/payout_window.h"

#include "win32/card/stay_on_top.h"
#include "win32/payout/payout_chart.h"
#include "win32/payout/payout_layout.h"
#include "win32/platform/dpi_scaling.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/window_text.h"

#include <commctrl.h>

namespace slots::win32 {
namespace {

constexpr DWORD kPayoutStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPayoutExStyle = 0;
constexpr int kGapBelowCardTwips = 10;

RECT LabelRect(const PayoutRow &row, int dpi) {
  return TwipsToPixelRect(row.labelLeft, row.labelTop, kPayoutLabelWidthTwips,
                          kPayoutLabelHeightTwips, dpi);
}

RECT ClientRect(int dpi) {
  return RECT{0, 0, TwipsToPixels(kPayoutClientTwips.cx, dpi),
              TwipsToPixels(kPayoutClientTwips.cy, dpi)};
}

} // namespace

PayoutWindow::PayoutWindow(HINSTANCE instance,
                           std::function<void()> closedByPlayer)
    : instance_(instance), closedByPlayer_(std::move(closedByPlayer)) {}

PayoutWindow::~PayoutWindow() { Destroy(); }

void PayoutWindow::Create(HWND card, bool topmost, HICON icon) {
  if (Exists()) {
    return;
  }
  RegisterRoutedWindowClass(
      instance_, kPayoutWindowClass,
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENUTEXT + 1)));
  dpi_ = WindowDpi(card);
  fonts_ = LayoutFonts(dpi_);
  RECT cardOuter{};
  GetWindowRect(card, &cardOuter);
  const RECT frame =
      OuterRectForClient(ClientRect(dpi_), kPayoutStyle, kPayoutExStyle, dpi_);
  const int top = cardOuter.bottom + TwipsToPixels(kGapBelowCardTwips, dpi_);
  const RECT outer{cardOuter.left, top,
                   cardOuter.left + frame.right - frame.left,
                   top + frame.bottom - frame.top};
  window_ = CreateRoutedWindow(*this, instance_, kPayoutWindowClass,
                               kPayoutWindowCaption, kPayoutStyle,
                               kPayoutExStyle, outer, nullptr);
  if (window_ == nullptr) {
    return;
  }
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  CreateLabels();
  if (WindowDpi(window_) != dpi_) {
    ApplyDpi(WindowDpi(window_));
  }
  if (topmost) {
    StayOnTop(window_, true);
  }
}

void PayoutWindow::CreateLabels() {
  for (const PayoutRow &row : kPayoutRows) {
    const RECT place = LabelRect(row, dpi_);
    HWND label = CreateWindowExW(
        0, WC_STATICW, L"",
        WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, place.left,
        place.top, place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.labelId)), instance_,
        nullptr);
    SendMessageW(label, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts_.FontFor(kPayoutLabelFont)),
                 FALSE);
  }
}

void PayoutWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  LayoutFonts fonts(dpi);
  for (const PayoutRow &row : kPayoutRows) {
    const RECT place = LabelRect(row, dpi);
    HWND label = GetDlgItem(window_, row.labelId);
    SetWindowPos(label, nullptr, place.left, place.top,
                 place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(label, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts.FontFor(kPayoutLabelFont)),
                 TRUE);
  }
  fonts_ = std::move(fonts);
  InvalidateRect(window_, nullptr, TRUE);
}

void PayoutWindow::ShowValues(const game::PayoutTable &payouts) {
  if (!Exists()) {
    return;
  }
  for (std::size_t field = 0; field < kPayoutRows.size(); ++field) {
    ShowWindowText(GetDlgItem(window_, kPayoutRows[field].labelId),
                   payouts.values[field]);
  }
}

void PayoutWindow::Show() {
  if (Exists() && !IsWindowVisible(window_)) {
    ShowWindow(window_, SW_SHOW);
  }
}

void PayoutWindow::Destroy() {
  if (Exists()) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

HBRUSH PayoutWindow::Background() {
  return brushes_.BrushFor(GetSysColor(COLOR_MENUTEXT));
}

LRESULT PayoutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  switch (message) {
  case WM_PAINT: {
    PaintDc paint(window);
    DrawPayoutChart(paint.Get(), dpi_);
    return 0;
  }
  case WM_CTLCOLORSTATIC: {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kPayoutValueColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(Background());
  }
  case WM_CLOSE:
    closedByPlayer_();
    return 0;
  case kDpiChangedMessage:
    ApplyDpi(HIWORD(wParam));
    MoveToSuggestedRect(window, lParam);
    return 0;
  case WM_NCDESTROY:
    window_ = nullptr;
    break;
  default:
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace slots::win32
