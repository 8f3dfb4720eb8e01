#include "win32/practice/practice_chat_window.h"

#include "win32/card/card_layout.h"
#include "win32/card/layout_fonts.h"
#include "win32/platform/dpi_scaling.h"
#include "win32/platform/window_text.h"
#include "win32/practice/practice_window_ids.h"
#include "win32/practice/practice_window_place.h"

#include <commctrl.h>

#include <algorithm>

namespace slots::win32 {
namespace {

constexpr DWORD kPracticeStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kPracticeExStyle = 0;
constexpr UINT_PTR kDeliveryTimer = 1;
// Often enough that the machinekeeper's answers come on time to the eye.
constexpr UINT kDeliveryIntervalMs = 100;

// Sizes in pixels at 96 dpi.
constexpr SIZE kClientSize{460, 320};
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kReasonHeight = 80;
constexpr int kLineHeight = 24;
constexpr int kSayButtonWidth = 64;

constexpr FontStyle kPracticeFont{L"MS Sans Serif", 825, FW_NORMAL,
                                  VARIABLE_PITCH | FF_SWISS};

RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  return monitor.rcWork;
}

HWND CreateChild(HWND parent, HINSTANCE instance, const wchar_t *className,
                 const wchar_t *text, DWORD style, DWORD exStyle, int id) {
  return CreateWindowExW(exStyle, className, text,
                         WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         instance, nullptr);
}

void MoveChild(HWND parent, int id, int left, int top, int width, int height) {
  SetWindowPos(GetDlgItem(parent, id), nullptr, left, top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

PracticeChatWindow::PracticeChatWindow(HINSTANCE instance,
                                       practice::PracticeChatClient &client,
                                       std::wstring reason)
    : instance_(instance), client_(client), reason_(std::move(reason)) {}

PracticeChatWindow::~PracticeChatWindow() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

bool PracticeChatWindow::Open(HWND card) {
  card_ = card;
  RegisterRoutedWindowClass(
      instance_, kPracticeWindowClass,
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  dpi_ = WindowDpi(card);
  const RECT client{0, 0, ScalePixels(kClientSize.cx, dpi_),
                    ScalePixels(kClientSize.cy, dpi_)};
  const RECT frame =
      OuterRectForClient(client, kPracticeStyle, kPracticeExStyle, dpi_);
  RECT cardOuter{};
  GetWindowRect(card, &cardOuter);
  const RECT outer = PracticeWindowPlace(
      cardOuter, SIZE{frame.right - frame.left, frame.bottom - frame.top},
      WorkAreaOf(card), ScalePixels(kMargin, dpi_));
  window_ = CreateRoutedWindow(*this, instance_, kPracticeWindowClass,
                               kPracticeWindowCaption, kPracticeStyle,
                               kPracticeExStyle, outer, nullptr);
  if (window_ == nullptr) {
    return false;
  }
  CreateControls();
  dpi_ = WindowDpi(window_);
  ApplyFont();
  LayOutControls();
  ShowChatText();
  SetTimer(window_, kDeliveryTimer, kDeliveryIntervalMs, nullptr);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  return true;
}

bool PracticeChatWindow::HandleDialogKeys(MSG &message) {
  return window_ != nullptr && IsDialogMessageW(window_, &message);
}

void PracticeChatWindow::CreateControls() {
  CreateChild(window_, instance_, WC_STATICW, reason_.c_str(),
              SS_LEFT | SS_NOPREFIX, 0, kPracticeReason);
  HWND chatBox = CreateChild(window_, instance_, WC_EDITW, L"",
                             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                 WS_VSCROLL | WS_TABSTOP,
                             WS_EX_CLIENTEDGE, kPracticeChatBox);
  // The chat text may be longer than an edit box takes by default.
  SendMessageW(chatBox, EM_SETLIMITTEXT, 0, 0);
  CreateChild(window_, instance_, WC_EDITW, L"", ES_AUTOHSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE, kPracticeTypingBox);
  CreateChild(window_, instance_, WC_BUTTONW, L"Say",
              BS_DEFPUSHBUTTON | WS_TABSTOP, 0, kPracticeSayButton);
}

void PracticeChatWindow::ApplyFont() {
  UniqueFont font = CreateLayoutFont(kPracticeFont, dpi_);
  for (const int id : {kPracticeReason, kPracticeChatBox, kPracticeTypingBox,
                       kPracticeSayButton}) {
    SendMessageW(GetDlgItem(window_, id), WM_SETFONT,
                 reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  // The controls hold the new font before the old one goes.
  font_ = std::move(font);
}

void PracticeChatWindow::LayOutControls() {
  RECT client{};
  GetClientRect(window_, &client);
  const int margin = ScalePixels(kMargin, dpi_);
  const int gap = ScalePixels(kGap, dpi_);
  const int reasonHeight = ScalePixels(kReasonHeight, dpi_);
  const int lineHeight = ScalePixels(kLineHeight, dpi_);
  const int buttonWidth = ScalePixels(kSayButtonWidth, dpi_);
  const int width = std::max(0, static_cast<int>(client.right) - 2 * margin);
  const int typingTop =
      std::max(0, static_cast<int>(client.bottom) - margin - lineHeight);
  const int chatTop = margin + reasonHeight + gap;

  MoveChild(window_, kPracticeReason, margin, margin, width, reasonHeight);
  MoveChild(window_, kPracticeChatBox, margin, chatTop, width,
            std::max(0, typingTop - gap - chatTop));
  MoveChild(window_, kPracticeTypingBox, margin, typingTop,
            std::max(0, width - gap - buttonWidth), lineHeight);
  MoveChild(window_, kPracticeSayButton, margin + width - buttonWidth,
            typingTop, buttonWidth, lineHeight);
}

void PracticeChatWindow::ShowChatText() {
  const std::uint64_t linesAdded = client_.ChatText().LinesAdded();
  if (linesShown_ == linesAdded) {
    return;
  }
  linesShown_ = linesAdded;
  HWND chatBox = GetDlgItem(window_, kPracticeChatBox);
  SetWindowTextW(chatBox, client_.ChatText().WholeText().c_str());
  // The newest line at the bottom, in view.
  const int length = GetWindowTextLengthW(chatBox);
  SendMessageW(chatBox, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageW(chatBox, EM_SCROLLCARET, 0, 0);
}

void PracticeChatWindow::SendTypedLine() {
  HWND typingBox = GetDlgItem(window_, kPracticeTypingBox);
  client_.SayInPublic(WindowText(typingBox));
  SetWindowTextW(typingBox, L"");
  ShowChatText();
}

LRESULT PracticeChatWindow::HandleMessage(HWND window, UINT message,
                                          WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TIMER:
    if (wParam == kDeliveryTimer) {
      client_.DeliverDueLines();
      ShowChatText();
      return 0;
    }
    break;
  case WM_COMMAND:
    if (LOWORD(wParam) == kPracticeSayButton) {
      SendTypedLine();
      return 0;
    }
    break;
  case WM_CTLCOLORSTATIC:
    // The read-only chat box reads like a chat window: dark on white.
    if (reinterpret_cast<HWND>(lParam) ==
        GetDlgItem(window, kPracticeChatBox)) {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    break;
  case WM_SIZE:
    // The first size comes while the window is being made, before its
    // children.
    if (window_ != nullptr) {
      LayOutControls();
    }
    return 0;
  case kDpiChangedMessage:
    dpi_ = HIWORD(wParam);
    ApplyFont();
    MoveToSuggestedRect(window, lParam);
    LayOutControls();
    return 0;
  case WM_CLOSE:
    PostMessageW(card_, WM_CLOSE, 0, 0);
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
