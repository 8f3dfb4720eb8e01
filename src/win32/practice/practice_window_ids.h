#pragma once

#include <windows.h>

// The practice chat window's class, caption and children, shared with the UI
// tests.
namespace slots::win32 {

inline constexpr wchar_t kPracticeWindowClass[] = L"SlotsPracticeChat";
inline constexpr wchar_t kPracticeWindowCaption[] =
    L"Practice Table - stand-in chat for the Slots Card";

enum PracticeControlId : int {
  // Enter in the typing box presses it, as the dialog keys send IDOK.
  kPracticeSayButton = IDOK,
  kPracticeReason = 4001,
  kPracticeChatBox = 4002,
  kPracticeTypingBox = 4003,
};

} // namespace slots::win32
