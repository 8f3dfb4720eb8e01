#pragma once

#include "win32/platform/gdi_handles.h"

#include <windows.h>

#include <optional>

namespace slots::win32 {

// A message another process (a long-run test) sends the card to learn how
// many handles of one kind (the wParam, a HandleKind) its owners hold; the
// answer is the count.
inline constexpr wchar_t kLiveHandleQueryName[] = L"SlotsCardLiveHandleCount";

inline UINT LiveHandleQueryMessage() {
  static const UINT message = RegisterWindowMessageW(kLiveHandleQueryName);
  return message;
}

// The answer when the message is the query, else empty; a kind the card
// does not know counts nothing.
inline std::optional<LRESULT> AnswerLiveHandleQuery(UINT message, WPARAM kind) {
  if (message == 0 || message != LiveHandleQueryMessage()) {
    return std::nullopt;
  }
  if (kind >= kHandleKindCount) {
    return 0;
  }
  return LiveHandleCounts::Count(static_cast<HandleKind>(kind));
}

} // namespace slots::win32
