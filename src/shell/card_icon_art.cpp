#include "shell/card_icon_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace slots::shell {
namespace {

constexpr ArtColour kStalk{0, 130, 0};
constexpr ArtColour kLeaf{40, 170, 40};
constexpr ArtColour kLeafEdge{20, 100, 20};
constexpr ArtColour kCherryRed{210, 0, 30};
constexpr ArtColour kCherryEdge{110, 0, 10};
constexpr ArtColour kTile{0, 0, 128};
constexpr ArtColour kTileEdge{255, 255, 255};

constexpr std::array kCherryShapes{
    ArtShape{ArtShape::Kind::Stroke, 30, 58, 62, 10, kStalk, kStalk},
    ArtShape{ArtShape::Kind::Stroke, 68, 62, 62, 10, kStalk, kStalk},
    ArtShape{ArtShape::Kind::Ellipse, 62, 6, 88, 18, kLeaf, kLeafEdge},
    ArtShape{ArtShape::Kind::Ellipse, 12, 54, 46, 88, kCherryRed, kCherryEdge},
    ArtShape{ArtShape::Kind::Ellipse, 52, 58, 86, 92, kCherryRed, kCherryEdge},
};

constexpr int kSamplesPerSide = 4;

// What one sample point of the icon shows, in pixel coordinates of an icon
// of the given size; nothing outside the tile.
class IconSampler {
public:
  explicit IconSampler(int size)
      : size_(size), edge_(std::max(1.0, size / 32.0)),
        margin_(static_cast<double>(size / 8)),
        scale_((size - 2 * margin_) / 100.0),
        stroke_(std::max(1.0, (size - 2 * margin_) / 24.0)) {}

  bool ColourAt(double x, double y, ArtColour &colour) const {
    const double inset = TileInset(x, y);
    if (inset < 0) {
      return false;
    }
    colour = inset < edge_ ? kTileEdge : kTile;
    const double gridX = (x - margin_) / scale_;
    const double gridY = (y - margin_) / scale_;
    for (const ArtShape &shape : CherryShapes()) {
      if (shape.kind == ArtShape::Kind::Stroke) {
        if (DistanceToStroke(shape, gridX, gridY) * scale_ <= stroke_ / 2) {
          colour = shape.fill;
        }
        continue;
      }
      const double rim = EllipseRim(shape, gridX, gridY);
      if (rim >= 0) {
        colour = rim * scale_ < stroke_ / 2 ? shape.outline : shape.fill;
      }
    }
    return true;
  }

private:
  // How far inside the tile's edge the point lies, negative outside. The
  // corners are quarter circles of an eighth of the size.
  double TileInset(double x, double y) const {
    const double radius = size_ / 8.0;
    const double cornerX = std::clamp(x, radius, size_ - radius);
    const double cornerY = std::clamp(y, radius, size_ - radius);
    const double fromCorner = std::hypot(x - cornerX, y - cornerY);
    const double toSide = std::min({x, y, size_ - x, size_ - y});
    return fromCorner > 0 ? radius - fromCorner : toSide;
  }

  static double DistanceToStroke(const ArtShape &shape, double x, double y) {
    const double dx = shape.x2 - shape.x1;
    const double dy = shape.y2 - shape.y1;
    const double along = std::clamp(
        ((x - shape.x1) * dx + (y - shape.y1) * dy) / (dx * dx + dy * dy), 0.0,
        1.0);
    return std::hypot(x - (shape.x1 + along * dx), y - (shape.y1 + along * dy));
  }

  // Roughly how far inside the ellipse's edge the point lies, in grid units;
  // negative outside.
  static double EllipseRim(const ArtShape &shape, double x, double y) {
    const double radiusX = (shape.x2 - shape.x1) / 2;
    const double radiusY = (shape.y2 - shape.y1) / 2;
    const double reach = std::hypot((x - (shape.x1 + radiusX)) / radiusX,
                                    (y - (shape.y1 + radiusY)) / radiusY);
    return (1 - reach) * std::min(radiusX, radiusY);
  }

  double size_;
  double edge_;
  double margin_;
  double scale_;
  double stroke_;
};

} // namespace

std::span<const ArtShape> CherryShapes() { return kCherryShapes; }

std::vector<std::uint8_t> DrawCardIconPixels(int size) {
  const int side = std::max(size, 0);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * side * 4);
  const IconSampler sampler(side);
  constexpr int kSamples = kSamplesPerSide * kSamplesPerSide;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      int covered = 0;
      std::array<int, 3> sum{};
      for (int sample = 0; sample < kSamples; ++sample) {
        const double x =
            column + (sample % kSamplesPerSide + 0.5) / kSamplesPerSide;
        const double y =
            row + (sample / kSamplesPerSide + 0.5) / kSamplesPerSide;
        ArtColour colour{};
        if (sampler.ColourAt(x, y, colour)) {
          ++covered;
          sum[0] += colour.red;
          sum[1] += colour.green;
          sum[2] += colour.blue;
        }
      }
      std::uint8_t *pixel =
          &pixels[(static_cast<std::size_t>(row) * side + column) * 4];
      for (std::size_t channel = 0; channel < 3 && covered > 0; ++channel) {
        pixel[channel] = static_cast<std::uint8_t>(sum[channel] / covered);
      }
      pixel[3] = static_cast<std::uint8_t>(covered * 255 / kSamples);
    }
  }
  return pixels;
}

} // namespace slots::shell
