#include "win32/card/reel_symbol_art.h"

#include "shell/card_icon_art.h"
#include "win32/platform/gdi_handles.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace slots::win32 {
namespace {

// Symbols are drawn on a 100 x 100 grid mapped onto the box.
class Grid {
public:
  explicit Grid(const RECT &box) : box_(box) {}
  POINT At(double x, double y) const {
    return POINT{box_.left + static_cast<LONG>(std::lround(
                                 (box_.right - box_.left) * x / 100.0)),
                 box_.top + static_cast<LONG>(std::lround(
                                (box_.bottom - box_.top) * y / 100.0))};
  }
  RECT Rect(double left, double top, double right, double bottom) const {
    const POINT topLeft = At(left, top);
    const POINT bottomRight = At(right, bottom);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  }
  int Height() const { return box_.bottom - box_.top; }
  int Width() const { return box_.right - box_.left; }

private:
  RECT box_;
};

// A fill and an outline selected into the DC for as long as it lives.
class Paint {
public:
  Paint(HDC dc, COLORREF fill, COLORREF outline, int outlineWidth = 1)
      : brush_(CreateSolidBrush(fill)),
        pen_(CreatePen(PS_SOLID, outlineWidth, outline)),
        selectedBrush_(dc, brush_.Get()), selectedPen_(dc, pen_.Get()) {}

private:
  UniqueBrush brush_;
  UniquePen pen_;
  SelectedObject selectedBrush_;
  SelectedObject selectedPen_;
};

void FillPolygon(HDC dc, const Grid &grid,
                 std::initializer_list<std::pair<double, double>> points) {
  std::vector<POINT> corners;
  for (const auto &[x, y] : points) {
    corners.push_back(grid.At(x, y));
  }
  Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

void FillEllipse(HDC dc, const Grid &grid, double left, double top,
                 double right, double bottom) {
  const RECT rect = grid.Rect(left, top, right, bottom);
  Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawLine(HDC dc, const Grid &grid, double x1, double y1, double x2,
              double y2, COLORREF colour, int width) {
  UniquePen pen(CreatePen(PS_SOLID, width, colour));
  SelectedObject selected(dc, pen.Get());
  const POINT from = grid.At(x1, y1);
  const POINT to = grid.At(x2, y2);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

void DrawGlyph(HDC dc, const RECT &box, const wchar_t *text, COLORREF colour,
               const wchar_t *face, double heightShare) {
  const Grid grid(box);
  UniqueFont font(CreateFontW(
      -static_cast<int>(grid.Height() * heightShare), 0, 0, 0, FW_BOLD, FALSE,
      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
      DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face));
  SelectedObject selected(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT area = box;
  DrawTextW(dc, text, -1, &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

int OutlineWidth(const Grid &grid) { return grid.Width() >= 40 ? 2 : 1; }

void DrawBell(HDC dc, const Grid &grid) {
  Paint paint(dc, RGB(255, 200, 0), RGB(150, 100, 0), OutlineWidth(grid));
  FillEllipse(dc, grid, 44, 4, 56, 16);
  FillEllipse(dc, grid, 40, 70, 60, 90);
  FillPolygon(dc, grid,
              {{50, 12},
               {64, 20},
               {70, 42},
               {74, 62},
               {88, 76},
               {12, 76},
               {26, 62},
               {30, 42},
               {36, 20}});
}

void DrawGrape(HDC dc, const Grid &grid) {
  DrawLine(dc, grid, 50, 30, 56, 8, RGB(0, 140, 0), OutlineWidth(grid));
  Paint paint(dc, RGB(128, 0, 170), RGB(70, 0, 90));
  for (const auto &[x, y] : {std::pair{34.0, 36.0},
                             {50.0, 36.0},
                             {66.0, 36.0},
                             {42.0, 54.0},
                             {58.0, 54.0},
                             {50.0, 72.0}}) {
    FillEllipse(dc, grid, x - 10, y - 10, x + 10, y + 10);
  }
}

void DrawGoldBar(HDC dc, const Grid &grid) {
  Paint paint(dc, RGB(235, 185, 30), RGB(140, 95, 0), OutlineWidth(grid));
  FillPolygon(dc, grid, {{24, 32}, {76, 32}, {92, 70}, {8, 70}});
  DrawLine(dc, grid, 30, 42, 70, 42, RGB(255, 235, 140), OutlineWidth(grid));
}

void DrawDiamond(HDC dc, const Grid &grid) {
  {
    Paint paint(dc, RGB(160, 225, 255), RGB(0, 100, 170), OutlineWidth(grid));
    FillPolygon(dc, grid, {{30, 14}, {70, 14}, {90, 36}, {50, 90}, {10, 36}});
  }
  DrawLine(dc, grid, 10, 36, 90, 36, RGB(0, 100, 170), 1);
  DrawLine(dc, grid, 38, 36, 50, 90, RGB(0, 100, 170), 1);
  DrawLine(dc, grid, 62, 36, 50, 90, RGB(0, 100, 170), 1);
}

void DrawHeart(HDC dc, const Grid &grid) {
  Paint paint(dc, RGB(230, 0, 40), RGB(140, 0, 20), OutlineWidth(grid));
  FillPolygon(dc, grid,
              {{50, 90},
               {14, 54},
               {8, 36},
               {12, 20},
               {26, 12},
               {40, 14},
               {50, 26},
               {60, 14},
               {74, 12},
               {88, 20},
               {92, 36},
               {86, 54}});
}

void DrawGem(HDC dc, const Grid &grid) {
  Paint paint(dc, RGB(0, 175, 95), RGB(0, 90, 45), OutlineWidth(grid));
  FillPolygon(dc, grid,
              {{30, 14}, {70, 14}, {90, 50}, {70, 86}, {30, 86}, {10, 50}});
  DrawLine(dc, grid, 30, 14, 50, 50, RGB(150, 255, 200), 1);
  DrawLine(dc, grid, 70, 86, 50, 50, RGB(150, 255, 200), 1);
}

void DrawBar(HDC dc, const Grid &grid, const RECT &box) {
  {
    Paint paint(dc, RGB(0, 0, 0), RGB(255, 255, 255), OutlineWidth(grid));
    const RECT plate = grid.Rect(6, 28, 94, 72);
    Rectangle(dc, plate.left, plate.top, plate.right, plate.bottom);
  }
  DrawGlyph(dc, box, L"BAR", RGB(255, 255, 255), L"Arial", 0.36);
}

void DrawSun(HDC dc, const Grid &grid) {
  for (int ray = 0; ray < 8; ++ray) {
    const double angle = ray * std::numbers::pi / 4;
    DrawLine(dc, grid, 50 + 30 * std::cos(angle), 50 + 30 * std::sin(angle),
             50 + 46 * std::cos(angle), 50 + 46 * std::sin(angle),
             RGB(255, 140, 0), OutlineWidth(grid));
  }
  Paint paint(dc, RGB(255, 170, 0), RGB(200, 90, 0), OutlineWidth(grid));
  FillEllipse(dc, grid, 26, 26, 74, 74);
}

void DrawLemon(HDC dc, const Grid &grid) {
  Paint paint(dc, RGB(255, 235, 50), RGB(170, 150, 0), OutlineWidth(grid));
  FillPolygon(dc, grid, {{6, 50}, {16, 44}, {16, 56}});
  FillPolygon(dc, grid, {{94, 50}, {84, 44}, {84, 56}});
  FillEllipse(dc, grid, 12, 24, 88, 76);
}

void DrawApple(HDC dc, const Grid &grid) {
  DrawLine(dc, grid, 50, 30, 54, 8, RGB(110, 60, 20), OutlineWidth(grid));
  {
    Paint leaf(dc, RGB(40, 170, 40), RGB(20, 100, 20));
    FillEllipse(dc, grid, 56, 8, 78, 20);
  }
  Paint paint(dc, RGB(220, 20, 20), RGB(130, 0, 0), OutlineWidth(grid));
  FillEllipse(dc, grid, 16, 24, 84, 90);
}

void DrawStar(HDC dc, const Grid &grid) {
  std::vector<POINT> corners;
  for (int point = 0; point < 10; ++point) {
    const double radius = point % 2 == 0 ? 46 : 19;
    const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
    corners.push_back(
        grid.At(50 + radius * std::cos(angle), 53 + radius * std::sin(angle)));
  }
  Paint paint(dc, RGB(255, 215, 0), RGB(170, 120, 0), OutlineWidth(grid));
  Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

COLORREF ColourOf(const shell::ArtColour &colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

void DrawCherry(HDC dc, const Grid &grid) {
  for (const shell::ArtShape &shape : shell::CherryShapes()) {
    if (shape.kind == shell::ArtShape::Kind::Stroke) {
      DrawLine(dc, grid, shape.x1, shape.y1, shape.x2, shape.y2,
               ColourOf(shape.fill), OutlineWidth(grid));
      continue;
    }
    Paint paint(dc, ColourOf(shape.fill), ColourOf(shape.outline),
                OutlineWidth(grid));
    FillEllipse(dc, grid, shape.x1, shape.y1, shape.x2, shape.y2);
  }
}

} // namespace

void DrawReelSymbol(HDC dc, int symbolCode, const RECT &box) {
  const Grid grid(box);
  switch (symbolCode) {
  case 1:
    return DrawBell(dc, grid);
  case 2:
    return DrawGrape(dc, grid);
  case 3:
    return DrawGlyph(dc, box, L"$", RGB(0, 170, 0), L"Arial", 0.95);
  case 4:
    return DrawGlyph(dc, box, L"7", RGB(230, 0, 0), L"Times New Roman", 1.0);
  case 5:
    return DrawGoldBar(dc, grid);
  case 6:
    return DrawDiamond(dc, grid);
  case 7:
    return DrawHeart(dc, grid);
  case 8:
    return DrawGem(dc, grid);
  case 9:
    return DrawBar(dc, grid, box);
  case 10:
    return DrawSun(dc, grid);
  case 11:
    return DrawLemon(dc, grid);
  case 12:
    return DrawApple(dc, grid);
  case 13:
    return DrawStar(dc, grid);
  case kCherryCode:
    return DrawCherry(dc, grid);
  default:
    return;
  }
}

void DrawReelWindow(HDC dc, const RECT &box,
                    const std::array<int, 3> &symbolsTopToBottom) {
  {
    Paint frame(dc, RGB(255, 255, 255), RGB(96, 96, 96));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
  }
  const int height = box.bottom - box.top;
  const int width = box.right - box.left;
  // Square cells, centred, one third of the height each.
  const int cell = std::min(height / 3, width);
  const int left = box.left + (width - cell) / 2;
  for (int row = 0; row < 3; ++row) {
    const int top = box.top + (height - 3 * cell) / 2 + row * cell;
    const RECT place{left + 1, top + 1, left + cell - 1, top + cell - 1};
    DrawReelSymbol(dc, symbolsTopToBottom[static_cast<std::size_t>(row)],
                   place);
  }
  UniquePen payLine(CreatePen(PS_SOLID, 1, RGB(200, 0, 0)));
  SelectedObject selected(dc, payLine.Get());
  const int middle = box.top + height / 2;
  MoveToEx(dc, box.left + 1, middle, nullptr);
  LineTo(dc, box.left + 4, middle);
  MoveToEx(dc, box.right - 4, middle, nullptr);
  LineTo(dc, box.right - 1, middle);
}

} // namespace slots::win32
