#pragma once

#include "practice/practice_chat_client.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/routed_window.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace slots::win32 {

// The practice table's chat beside the card: why it is there, the chat text
// as it grows with its newest line in view, and a line to type public lines
// into. Its timer lets the machinekeeper act when its time comes, so the
// window keeps painting while the machinekeeper thinks.
class PracticeChatWindow final : public MessageTarget {
public:
  PracticeChatWindow(HINSTANCE instance, practice::PracticeChatClient &client,
                     std::wstring reason);
  PracticeChatWindow(const PracticeChatWindow &) = delete;
  PracticeChatWindow &operator=(const PracticeChatWindow &) = delete;
  ~PracticeChatWindow();

  // Opens beside the card without taking the focus from it. Closing this
  // window closes the card, which has no chat without it.
  bool Open(HWND card);
  HWND Window() const { return window_; }
  // Tab between the controls and Enter to send; true when the message was
  // used. Enter reaches the window procedure as the Say button's click, so a
  // send that fails is caught there as a click's is.
  bool HandleDialogKeys(MSG &message);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) override;

private:
  void CreateControls();
  void ApplyFont();
  void LayOutControls();
  void ShowChatText();
  void SendTypedLine();

  HINSTANCE instance_;
  practice::PracticeChatClient &client_;
  std::wstring reason_;
  HWND card_ = nullptr;
  HWND window_ = nullptr;
  int dpi_ = 96;
  UniqueFont font_;
  // Lines the chat box shows; it is filled again when the chat has more.
  std::optional<std::uint64_t> linesShown_;
};

} // namespace slots::win32
