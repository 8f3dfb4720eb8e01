#include "win32/platform/pumping_repeat_pause.h"

#include <windows.h>

namespace slots::win32 {

namespace {

// Paints what is waiting to be painted; the peek itself answers messages sent
// from other threads and processes. A window that never validates must not
// keep the pause busy, so the paints per round are bounded.
void PaintAndAnswerSentMessages() {
  constexpr int kMostPaintsPerRound = 64;
  MSG message{};
  for (int paint = 0; paint < kMostPaintsPerRound &&
                      PeekMessageW(&message, nullptr, 0, 0,
                                   PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE);
       ++paint) {
    if (message.message == WM_QUIT) {
      // Not ours to take: the message loop ends the program.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchMessageW(&message);
  }
}

} // namespace

void PumpingRepeatPause::Pause(std::chrono::milliseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
  PaintAndAnswerSentMessages();
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()),
                                QS_PAINT | QS_SENDMESSAGE, 0);
    PaintAndAnswerSentMessages();
  }
}

} // namespace slots::win32
