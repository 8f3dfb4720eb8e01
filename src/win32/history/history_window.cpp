#include "win32/history/history_window.h"

#include "game/game_history_csv.h"
#include "shell/history_file.h"
#include "win32/card/card_control_ids.h"
#include "win32/card/stay_on_top.h"
#include "win32/history/history_cells.h"
#include "win32/history/history_chart.h"
#include "win32/platform/dpi_scaling.h"
#include "win32/platform/file_identity.h"
#include "win32/platform/list_view_class.h"
#include "win32/platform/save_file_dialog.h"
#include "win32/platform/window_text.h"
#include "win32/platform/windows_history_file.h"

#include <commctrl.h>

#include <algorithm>

namespace slots::win32 {
namespace {

constexpr DWORD kHistoryStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kHistoryExStyle = 0;
// Sizes in pixels at 96 dpi.
constexpr SIZE kOpeningSize{900, 560};
constexpr SIZE kSmallestSize{420, 360};
constexpr int kMargin = 8;
constexpr int kGapBesideCard = 10;
constexpr int kRowHeight = 26;
constexpr int kButtonWidth = 120;
constexpr int kSmallestChartHeight = 120;
constexpr wchar_t kSuggestedFileName[] = L"game-history.csv";

UniqueFont CreateWindowFont(int dpi) {
  return UniqueFont(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE,
                                FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
}

HWND CreateChild(HWND parent, HINSTANCE instance, const wchar_t *className,
                 const wchar_t *text, DWORD style, DWORD exStyle, int id) {
  return CreateWindowExW(exStyle, className, text,
                         WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         instance, nullptr);
}

// Right of the card, tops aligned, kept inside the screen's work area.
RECT OpeningRect(HWND card, int dpi) {
  RECT cardOuter{};
  GetWindowRect(card, &cardOuter);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(card, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  const int width =
      std::min<int>(ScalePixels(kOpeningSize.cx, dpi), work.right - work.left);
  const int height =
      std::min<int>(ScalePixels(kOpeningSize.cy, dpi), work.bottom - work.top);
  const int left =
      std::clamp<int>(cardOuter.right + ScalePixels(kGapBesideCard, dpi),
                      work.left, work.right - width);
  const int top =
      std::clamp<int>(cardOuter.top, work.top, work.bottom - height);
  return RECT{left, top, left + width, top + height};
}

} // namespace

HistoryWindow::HistoryWindow(HINSTANCE instance,
                             const game::GameHistory &history,
                             std::filesystem::path keptFile)
    : instance_(instance), history_(history), keptFile_(std::move(keptFile)) {}

HistoryWindow::~HistoryWindow() { Destroy(); }

void HistoryWindow::Open(HWND card, bool topmost, HICON icon) {
  if (window_ != nullptr) {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
    return;
  }
  RegisterRoutedWindowClass(
      instance_, kHistoryWindowClass,
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  dpi_ = WindowDpi(card);
  window_ = CreateRoutedWindow(
      *this, instance_, kHistoryWindowClass, kHistoryWindowCaption,
      kHistoryStyle, kHistoryExStyle, OpeningRect(card, dpi_), nullptr);
  if (window_ == nullptr) {
    return;
  }
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  CreateChildren();
  ApplyDpi(WindowDpi(window_));
  ShowGames();
  if (topmost) {
    StayOnTop(window_, true);
  }
  ShowWindow(window_, SW_SHOW);
}

void HistoryWindow::CreateChildren() {
  summary_ = CreateChild(window_, instance_, WC_STATICW, L"",
                         SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_CENTERIMAGE, 0,
                         kHistorySummary);
  save_ = CreateChild(window_, instance_, WC_BUTTONW, L"Save As CSV...",
                      BS_PUSHBUTTON | WS_TABSTOP, 0, kHistorySaveButton);
  // Without the common controls there is no list; chart, summary and saving
  // still work.
  if (RegisterListViewClass()) {
    list_ = CreateChild(window_, instance_, WC_LISTVIEWW, L"",
                        LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS |
                            LVS_SINGLESEL | WS_TABSTOP | WS_BORDER,
                        0, kHistoryList);
  }
  if (list_ == nullptr) {
    return;
  }
  ListView_SetExtendedListViewStyle(list_,
                                    LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t index = 0; index < kHistoryColumns.size(); ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = kHistoryColumns[index].format;
    column.cx = kHistoryColumns[index].widthAt96Dpi;
    column.pszText = const_cast<wchar_t *>(kHistoryColumns[index].title);
    column.iSubItem = static_cast<int>(index);
    ListView_InsertColumn(list_, static_cast<int>(index), &column);
  }
}

void HistoryWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  UniqueFont font = CreateWindowFont(dpi);
  for (HWND child : {summary_, save_, list_}) {
    if (child != nullptr) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()),
                   TRUE);
    }
  }
  font_ = std::move(font);
  if (list_ != nullptr) {
    for (std::size_t index = 0; index < kHistoryColumns.size(); ++index) {
      ListView_SetColumnWidth(
          list_, static_cast<int>(index),
          ScalePixels(kHistoryColumns[index].widthAt96Dpi, dpi));
    }
  }
  Layout();
}

RECT HistoryWindow::ChartArea() const {
  RECT client{};
  GetClientRect(window_, &client);
  const int margin = ScalePixels(kMargin, dpi_);
  const int height =
      std::max<int>(ScalePixels(kSmallestChartHeight, dpi_),
                    (static_cast<int>(client.bottom) - 2 * margin) * 2 / 5);
  return RECT{margin, margin,
              std::max<int>(margin, static_cast<int>(client.right) - margin),
              margin + height};
}

void HistoryWindow::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  const int margin = ScalePixels(kMargin, dpi_);
  const int rowTop = ChartArea().bottom + margin;
  const int rowHeight = ScalePixels(kRowHeight, dpi_);
  const int buttonWidth = ScalePixels(kButtonWidth, dpi_);
  const int buttonLeft = client.right - margin - buttonWidth;
  MoveWindow(save_, buttonLeft, rowTop, buttonWidth, rowHeight, TRUE);
  MoveWindow(summary_, margin, rowTop, std::max(0, buttonLeft - 2 * margin),
             rowHeight, TRUE);
  if (list_ != nullptr) {
    const int listTop = rowTop + rowHeight + margin;
    MoveWindow(list_, margin, listTop,
               std::max(0, static_cast<int>(client.right) - 2 * margin),
               std::max(0, static_cast<int>(client.bottom) - margin - listTop),
               TRUE);
  }
  const RECT chart = ChartArea();
  InvalidateRect(window_, &chart, FALSE);
}

void HistoryWindow::Refresh() {
  if (window_ != nullptr && history_.Revision() != shownRevision_) {
    ShowGames();
  }
}

void HistoryWindow::ShowGames() {
  shownRevision_ = history_.Revision();
  ShowWindowText(summary_,
                 game::SummaryLine(game::Summarize(history_.Records())));
  if (list_ != nullptr) {
    // The newest game is the top row, so every row moves down by one.
    ListView_SetItemCountEx(list_, static_cast<int>(history_.Records().size()),
                            0);
    InvalidateRect(list_, nullptr, FALSE);
  }
  const RECT chart = ChartArea();
  InvalidateRect(window_, &chart, FALSE);
}

void HistoryWindow::FillCell(NMHDR *header) {
  auto *info = reinterpret_cast<NMLVDISPINFOW *>(header);
  const auto &records = history_.Records();
  const auto row = static_cast<std::size_t>(info->item.iItem);
  if ((info->item.mask & LVIF_TEXT) == 0 || info->item.iItem < 0 ||
      row >= records.size() || info->item.cchTextMax <= 0) {
    return;
  }
  cell_ = HistoryCellText(records[records.size() - 1 - row],
                          static_cast<std::size_t>(info->item.iSubItem));
  lstrcpynW(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
}

void HistoryWindow::SaveAsCsv() {
  const auto path = AskSaveCsvPath(window_, kSuggestedFileName);
  if (!path) {
    return;
  }
  // Saving the list over the kept file would drop its games older than
  // those the list holds.
  if (AreSameFile(*path, keptFile_)) {
    MessageBoxW(window_,
                L"The card keeps its history in this file and only adds to "
                L"it. Please choose another name.",
                kHistoryWindowCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (!WriteWholeFile(*path, game::HistoryCsvDocument(history_.Records()))) {
    MessageBoxW(window_,
                (L"The history could not be saved to " + *path + L".").c_str(),
                kHistoryWindowCaption, MB_OK | MB_ICONINFORMATION);
  }
}

void HistoryWindow::Destroy() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

LRESULT HistoryWindow::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  switch (message) {
  case WM_PAINT: {
    PaintDc paint(window);
    DrawBalanceChart(paint.Get(), ChartArea(), history_.Records(), dpi_);
    return 0;
  }
  case WM_SIZE:
    if (summary_ != nullptr) {
      Layout();
    }
    return 0;
  case WM_GETMINMAXINFO: {
    auto *limits = reinterpret_cast<MINMAXINFO *>(lParam);
    limits->ptMinTrackSize = {ScalePixels(kSmallestSize.cx, dpi_),
                              ScalePixels(kSmallestSize.cy, dpi_)};
    return 0;
  }
  case WM_NOTIFY: {
    auto *header = reinterpret_cast<NMHDR *>(lParam);
    if (header->hwndFrom == list_ && header->code == LVN_GETDISPINFOW) {
      FillCell(header);
      return 0;
    }
    break;
  }
  case WM_COMMAND:
    if (LOWORD(wParam) == kHistorySaveButton && HIWORD(wParam) == BN_CLICKED) {
      SaveAsCsv();
      return 0;
    }
    break;
  case kDpiChangedMessage:
    ApplyDpi(HIWORD(wParam));
    MoveToSuggestedRect(window, lParam);
    return 0;
  case WM_NCDESTROY:
    window_ = nullptr;
    summary_ = save_ = list_ = nullptr;
    break;
  default:
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace slots::win32
