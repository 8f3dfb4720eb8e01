#pragma once

#include <windows.h>

#include <array>

namespace slots::win32 {

// The picture of a reel symbol (codes 1 to 14: Bell, Grape, $, 7, Gold Bar,
// Diamond, Heart, Gem, Bar, Sun, Lemon, Apple, Star, Cherry) drawn into the
// box with plain GDI shapes. Any other code draws nothing.
void DrawReelSymbol(HDC dc, int symbolCode, const RECT &box);

// A reel window: three symbols stacked on a white ground, a pay line across
// the middle one.
void DrawReelWindow(HDC dc, const RECT &box,
                    const std::array<int, 3> &symbolsTopToBottom);

inline constexpr int kCherryCode = 14;
inline constexpr int kDollarCode = 3;
inline constexpr int kBarCode = 9;

} // namespace slots::win32
