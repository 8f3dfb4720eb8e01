#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace slots::win32 {

// What the screen shows in the area, as the bytes of a 24-bit BMP file.
// Empty when nothing could be captured.
std::optional<std::string> CaptureScreenAreaAsBitmap(const RECT &area);

} // namespace slots::win32
