#pragma once

#include <windows.h>

#include <filesystem>

namespace slots::win32 {

// Writes what the screen shows in the area as a 24-bit BMP file, making its
// folder when needed. False when nothing could be written.
bool SaveScreenAreaAsBitmap(const RECT &area,
                            const std::filesystem::path &file);

} // namespace slots::win32
