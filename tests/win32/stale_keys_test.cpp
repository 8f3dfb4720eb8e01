// Keys pressed before the card's last action ended or box opened are
// dropped, in the card's loop and in its boxes'; later keys, other windows'
// keys and Alt's keys pass.
#include "win32/card/message_boxes.h"
#include "win32/card/stale_keys.h"

#include <gtest/gtest.h>

namespace slots::win32 {
namespace {

int keysReached = 0;
HWND boxOwner = nullptr;

LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  keysReached += message == WM_KEYDOWN;
  return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window, owned by another when one is given.
class KeyWindow {
public:
  explicit KeyWindow(HWND owner = nullptr) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountKeys;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SlotsStaleKeysTest";
    RegisterClassW(&windowClass);
    window_ =
        CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10,
                        10, owner, nullptr, windowClass.hInstance, nullptr);
  }
  KeyWindow(const KeyWindow &) = delete;
  KeyWindow &operator=(const KeyWindow &) = delete;
  ~KeyWindow() { DestroyWindow(window_); }
  HWND Get() const { return window_; }

private:
  HWND window_;
};

MSG TakePostedKey(HWND window, UINT message = WM_KEYDOWN) {
  PostMessageW(window, message, VK_RETURN, 1);
  MSG key{};
  PeekMessageW(&key, window, message, message, PM_REMOVE);
  return key;
}

// Returns once the tick count has gone past the time.
void WaitPast(DWORD time) {
  while (static_cast<LONG>(GetTickCount() - time) <= 0) {
    Sleep(1);
  }
}

TEST(StaleKeysTest, KeysPressedBeforeTheLastActionEndedAreDropped) {
  const KeyWindow card;
  const KeyWindow owned(card.Get());
  const KeyWindow stranger;
  StaleKeyFilter keys;
  keys.WatchCard(card.Get());
  MSG early = TakePostedKey(card.Get());
  EXPECT_FALSE(keys.IsStale(early)) << "no action has ended yet";
  const MSG earlyOwned = TakePostedKey(owned.Get());
  const MSG earlyCharacter = TakePostedKey(card.Get(), WM_CHAR);
  const MSG earlyRelease = TakePostedKey(card.Get(), WM_KEYUP);
  const MSG earlyStranger = TakePostedKey(stranger.Get());
  const MSG earlyAlt = TakePostedKey(card.Get(), WM_SYSKEYDOWN);
  WaitPast(earlyAlt.time);

  const DWORD before = GetTickCount();
  keys.DropKeysPressedUntilNow();
  const DWORD after = GetTickCount();
  EXPECT_TRUE(keys.IsStale(early));
  EXPECT_TRUE(keys.IsStale(earlyOwned));
  EXPECT_TRUE(keys.IsStale(earlyCharacter));
  EXPECT_TRUE(keys.IsStale(earlyRelease));
  EXPECT_FALSE(keys.IsStale(earlyStranger));
  EXPECT_FALSE(keys.IsStale(earlyAlt));
  early.time = before - 1;
  EXPECT_TRUE(keys.IsStale(early));
  early.time = after;
  EXPECT_FALSE(keys.IsStale(early));
  EXPECT_FALSE(keys.IsStale(TakePostedKey(card.Get())));
}

// Once the box is up: a key pressed now, then the box is answered.
void CALLBACK PressKeyAndAnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageW(boxOwner, WM_KEYDOWN, VK_RETURN, 1);
  CloseOwnedMessageBoxes(boxOwner);
}

TEST(StaleKeysTest, ABoxTakesNoKeyPressedBeforeItOpened) {
  const KeyWindow card;
  StaleKeyFilter keys;
  keys.WatchCard(card.Get());
  MessageBoxDialogs dialogs(keys);
  dialogs.SetOwner(card.Get());
  PostMessageW(card.Get(), WM_KEYDOWN, VK_RETURN, 1);
  MSG waiting{};
  ASSERT_TRUE(
      PeekMessageW(&waiting, card.Get(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
  WaitPast(waiting.time);

  keysReached = 0;
  boxOwner = card.Get();
  SetTimer(nullptr, 0, 10, PressKeyAndAnswerBox);
  dialogs.ShowNotice(L"Stale keys", L"Answered by the test.");
  EXPECT_EQ(keysReached, 1) << "the key pressed while the box was up only";
}

} // namespace
} // namespace slots::win32
