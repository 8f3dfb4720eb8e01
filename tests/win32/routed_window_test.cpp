// A failing message handler must not take the window, or the program, down.
#include "win32/platform/routed_window.h"

#include <gtest/gtest.h>

#include <new>

namespace slots::win32 {
namespace {

constexpr UINT kFailingMessage = WM_APP + 7;
constexpr UINT kAnsweredMessage = WM_APP + 8;
constexpr LRESULT kAnswer = 42;

class FailingTarget final : public MessageTarget {
public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) override {
    if (message == kFailingMessage) {
      throw std::bad_alloc();
    }
    if (message == kAnsweredMessage) {
      return kAnswer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
};

TEST(RoutedWindowTest, HandlerThatThrowsLosesOnlyThatMessage) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterRoutedWindowClass(instance, L"SlotsRoutedWindowTest", nullptr);
  FailingTarget target;
  const HWND window =
      CreateRoutedWindow(target, instance, L"SlotsRoutedWindowTest", L"",
                         WS_OVERLAPPED, 0, RECT{0, 0, 50, 50}, nullptr);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(SendMessageW(window, kFailingMessage, 0, 0), 0);
  EXPECT_EQ(SendMessageW(window, kAnsweredMessage, 0, 0), kAnswer);
  EXPECT_TRUE(DestroyWindow(window));
}

} // namespace
} // namespace slots::win32
