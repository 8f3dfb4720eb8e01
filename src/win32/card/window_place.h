#pragma once

#include "shell/card_lifecycle.h"

#include <windows.h>

#include <optional>

namespace slots::win32 {

// The card's outer rectangle where the layout puts its client area.
RECT CardLayoutOuterRect(DWORD style, DWORD exStyle, int dpi);

// The outer top-left corner the stored place asks for, an empty edge staying
// where the layout rectangle has it; empty when that place is on no monitor
// now.
std::optional<POINT> StoredOuterTopLeft(const shell::StoredPlace &place,
                                        const RECT &layoutOuter, int dpi);

// The window's outer top-left corner on the screen in twips; for a minimised
// window, where it stands when restored.
shell::WindowPlace OuterTopLeftTwips(HWND window, int dpi);

} // namespace slots::win32
