#pragma once

#include "win32/card/card_control_ids.h"

#include <windows.h>

#include <optional>
#include <span>

namespace slots::win32 {

// A colour of the layout: one of the desktop's system colours, or fixed.
struct LayoutColour {
  bool isSystemColour = false;
  int systemColourIndex = 0;
  COLORREF rgb = 0;
};
constexpr LayoutColour SystemColour(int index) {
  return LayoutColour{true, index, 0};
}
constexpr LayoutColour FixedColour(BYTE red, BYTE green, BYTE blue) {
  return LayoutColour{false, 0, RGB(red, green, blue)};
}
COLORREF ResolveColour(const LayoutColour &colour);

struct FontStyle {
  const wchar_t *face;
  int hundredthsOfPoint;
  int weight;
  // What the font mapper falls back to when the face is missing.
  BYTE pitchAndFamily;
  bool operator==(const FontStyle &) const = default;
};

// A place in twips: left, top, width, height in the window's client area.
struct TwipsPlace {
  int left;
  int top;
  int width;
  int height;
};

enum class ControlKind { Label, Button, TextBox, Frame, PictureBox };

struct ControlLayout {
  int id;
  ControlKind kind;
  const wchar_t *caption;
  TwipsPlace place;
  FontStyle font;
  LayoutColour text;
  // Empty: transparent, the window's own background shows.
  std::optional<LayoutColour> background;
  bool border = false;
  bool centred = false;
  // A label the player clicks.
  bool clickable = false;
};

inline constexpr SIZE kCardClientTwips{3405, 1980};
// Where the layout puts the card's client area on the screen.
inline constexpr POINT kCardLayoutClientTwips{1395, 2295};
// The Options popup opens here, in client twips.
inline constexpr POINT kOptionsMenuTwips{2300, 1850};

// Every child of the card window, in creation order; the buttons and the text
// box come in keyboard focus order.
std::span<const ControlLayout> CardControlLayouts();
// Empty for a number that is no card control.
const ControlLayout *FindCardControlLayout(int id);
const ControlLayout &CardControlLayout(int id);

} // namespace slots::win32
