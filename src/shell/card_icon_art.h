#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace slots::shell {

struct ArtColour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// A shape of a picture on a 100 x 100 grid: a stroke from (x1, y1) to
// (x2, y2) in the fill colour, or an ellipse inside that box, filled and
// outlined.
struct ArtShape {
  enum class Kind { Stroke, Ellipse };
  Kind kind;
  double x1;
  double y1;
  double x2;
  double y2;
  ArtColour fill;
  ArtColour outline;
};

// The cherry, back to front: two stalks, a leaf, two cherries. The reel
// symbol and the card's icon are both drawn from it.
std::span<const ArtShape> CherryShapes();

// The card's icon, size x size pixels, rows top to bottom, four bytes a
// pixel (red, green, blue, alpha; colours not premultiplied): the cherry on
// a navy tile with round corners and a white edge; outside the tile is
// transparent. Edges are smoothed by sampling each pixel 4 x 4 times.
std::vector<std::uint8_t> DrawCardIconPixels(int size);

} // namespace slots::shell
