#include "shell/card_icon_art.h"

#include <gtest/gtest.h>

namespace slots::shell {
namespace {

struct Pixel {
  int red, green, blue, alpha;
};

Pixel PixelAt(const std::vector<std::uint8_t> &pixels, int size, double x,
              double y) {
  const auto column = static_cast<std::size_t>(x * size);
  const auto row = static_cast<std::size_t>(y * size);
  const std::uint8_t *at = &pixels[(row * size + column) * 4];
  return {at[0], at[1], at[2], at[3]};
}

// At every size the icon is a navy tile with see-through corners and the
// cherry on it; places are fractions of the size.
TEST(CardIconArt, DrawsTheCherryOnANavyTileAtEverySize) {
  for (const int size : {16, 20, 24, 32, 48, 256}) {
    SCOPED_TRACE(size);
    const auto pixels = DrawCardIconPixels(size);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size * 4));
    EXPECT_LT(PixelAt(pixels, size, 0, 0).alpha, 128);
    const Pixel tile = PixelAt(pixels, size, 0.2, 0.3);
    EXPECT_EQ(tile.alpha, 255);
    EXPECT_EQ(tile.blue, 128);
    EXPECT_EQ(tile.red + tile.green, 0);
    // Inside the left cherry: red.
    const Pixel cherry = PixelAt(pixels, size, 0.34, 0.66);
    EXPECT_GT(cherry.red, 150);
    EXPECT_LT(cherry.blue, 60);
    // Along the edge: white.
    const Pixel edge = PixelAt(pixels, size, 0.5, 0.0);
    EXPECT_GT(edge.red + edge.green + edge.blue, 600);
  }
  EXPECT_TRUE(DrawCardIconPixels(0).empty());
}

} // namespace
} // namespace slots::shell
