#include "win32/history/history_chart.h"

#include "win32/platform/dpi_scaling.h"
#include "win32/platform/gdi_handles.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace slots::win32 {
namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kAxisColour = RGB(0, 0, 0);
constexpr COLORREF kGridColour = RGB(225, 225, 225);
constexpr COLORREF kLineColour = RGB(90, 90, 170);
constexpr COLORREF kStartColour = RGB(110, 110, 110);
constexpr COLORREF kTextColour = RGB(60, 60, 60);
constexpr int kValueSteps = 4;
constexpr int kMostGameLabels = 6;

// 1, 2 or 5 times a power of ten: about `steps` of them span the range.
double RoundStep(double range, int steps) {
  const double rough = range / steps;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double multiple : {1.0, 2.0, 5.0}) {
    if (multiple * power >= rough) {
      return multiple * power;
    }
  }
  return 10.0 * power;
}

struct ChartPoint {
  std::size_t index;
  double balance;
  bool win;
};

class ChartFrame {
public:
  // The first and last games stand off the axes by the inset.
  ChartFrame(const RECT &plot, int inset, std::size_t games, double low,
             double high)
      : plot_(plot), inset_(inset), games_(games), low_(low), high_(high) {}
  int X(std::size_t index) const {
    const int width = plot_.right - plot_.left - 2 * inset_;
    if (games_ <= 1) {
      return plot_.left + inset_ + width / 2;
    }
    return plot_.left + inset_ +
           static_cast<int>(static_cast<double>(index) * width /
                            static_cast<double>(games_ - 1));
  }
  int Y(double balance) const {
    const double share = (balance - low_) / (high_ - low_);
    return plot_.bottom -
           static_cast<int>(std::lround(share * (plot_.bottom - plot_.top)));
  }

private:
  RECT plot_;
  int inset_;
  std::size_t games_;
  double low_;
  double high_;
};

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

SIZE TextSize(HDC dc, const std::wstring &text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void DrawTextAt(HDC dc, const std::wstring &text, RECT place, UINT format) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
            format | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

std::wstring ValueText(double value) {
  return std::to_wstring(std::llround(value));
}

void DrawChart(HDC dc, const RECT &area,
               const std::deque<game::GameRecord> &records, int dpi) {
  std::vector<ChartPoint> points;
  std::optional<double> start;
  for (std::size_t index = 0; index < records.size(); ++index) {
    const game::GameRecord &record = records[index];
    if (const auto balance = game::BalanceValue(record.balance)) {
      points.push_back({index, static_cast<double>(*balance),
                        record.result == game::GameResult::Win});
      if (!start) {
        start = static_cast<double>(*balance - record.change.value_or(0));
      }
    }
  }
  SetTextColor(dc, kTextColour);
  if (points.empty()) {
    DrawTextAt(dc, L"No balance to chart yet", area, DT_CENTER | DT_VCENTER);
    return;
  }
  double low = *start;
  double high = *start;
  for (const ChartPoint &point : points) {
    low = std::min(low, point.balance);
    high = std::max(high, point.balance);
  }
  if (high == low) {
    low -= 1;
    high += 1;
  }
  const double step = RoundStep(high - low, kValueSteps);
  low = std::floor(low / step) * step;
  high = std::ceil(high / step) * step;

  int labelWidth = 0;
  for (double value = low; value <= high + step / 2; value += step) {
    labelWidth = std::max<int>(labelWidth, TextSize(dc, ValueText(value)).cx);
  }
  const int textHeight = TextSize(dc, L"0").cy;
  const RECT plot{area.left + labelWidth + ScalePixels(12, dpi),
                  area.top + ScalePixels(10, dpi),
                  area.right - ScalePixels(16, dpi),
                  area.bottom - textHeight - ScalePixels(10, dpi)};
  const int inset = ScalePixels(8, dpi);
  if (plot.right - plot.left <= 2 * inset || plot.bottom <= plot.top) {
    return;
  }
  const ChartFrame frame(plot, inset, records.size(), low, high);

  const UniquePen grid(CreatePen(PS_SOLID, 1, kGridColour));
  const UniquePen axis(CreatePen(PS_SOLID, 1, kAxisColour));
  const UniquePen startLine(CreatePen(PS_DOT, 1, kStartColour));
  const UniquePen balanceLine(
      CreatePen(PS_SOLID, std::max(1, ScalePixels(1, dpi)), kLineColour));
  {
    const SelectedObject pen(dc, grid.Get());
    for (double value = low; value <= high + step / 2; value += step) {
      const int y = frame.Y(value);
      DrawLine(dc, plot.left, y, plot.right, y);
      DrawTextAt(dc, ValueText(value),
                 {area.left, y - textHeight, plot.left - ScalePixels(6, dpi),
                  y + textHeight},
                 DT_RIGHT | DT_VCENTER);
    }
  }
  {
    const SelectedObject pen(dc, axis.Get());
    DrawLine(dc, plot.left, plot.top, plot.left, plot.bottom);
    DrawLine(dc, plot.left, plot.bottom, plot.right, plot.bottom);
    const std::size_t labels =
        std::min<std::size_t>(records.size(), kMostGameLabels);
    for (std::size_t label = 0; label < labels; ++label) {
      const std::size_t index =
          labels == 1 ? 0 : (records.size() - 1) * label / (labels - 1);
      const int x = frame.X(index);
      DrawLine(dc, x, plot.bottom, x, plot.bottom + ScalePixels(4, dpi));
      DrawTextAt(dc, std::to_wstring(records[index].number),
                 {x - ScalePixels(40, dpi), plot.bottom + ScalePixels(5, dpi),
                  x + ScalePixels(40, dpi), area.bottom},
                 DT_CENTER | DT_TOP);
    }
  }
  {
    const SelectedObject pen(dc, startLine.Get());
    const int y = frame.Y(*start);
    DrawLine(dc, plot.left, y, plot.right, y);
    DrawTextAt(dc, L"start",
               {plot.left + ScalePixels(4, dpi), y - textHeight, plot.right, y},
               DT_LEFT | DT_BOTTOM);
  }
  {
    // A game without a number for its balance ends one run of the line.
    const SelectedObject pen(dc, balanceLine.Get());
    std::vector<POINT> run;
    for (std::size_t at = 0; at <= points.size(); ++at) {
      const bool continues = at < points.size() && !run.empty() &&
                             points[at].index == points[at - 1].index + 1;
      if (!continues && run.size() > 1) {
        Polyline(dc, run.data(), static_cast<int>(run.size()));
      }
      if (!continues) {
        run.clear();
      }
      if (at < points.size()) {
        run.push_back({frame.X(points[at].index), frame.Y(points[at].balance)});
      }
    }
  }
  const int spacing =
      records.size() > 1
          ? (plot.right - plot.left) / static_cast<int>(records.size() - 1)
          : plot.right - plot.left;
  const int half = spacing >= ScalePixels(8, dpi) ? ScalePixels(3, dpi)
                                                  : ScalePixels(1, dpi);
  const UniqueBrush win(CreateSolidBrush(kWinColour));
  const UniqueBrush loss(CreateSolidBrush(kLossColour));
  for (const ChartPoint &point : points) {
    const int x = frame.X(point.index);
    const int y = frame.Y(point.balance);
    const RECT mark{x - half, y - half, x + half + 1, y + half + 1};
    FillRect(dc, &mark, point.win ? win.Get() : loss.Get());
  }
}

} // namespace

void DrawBalanceChart(HDC target, const RECT &area,
                      const std::deque<game::GameRecord> &records, int dpi) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  // Drawn aside and copied in one go, so a resize does not flicker.
  const UniqueMemoryDc memory(CreateCompatibleDC(target));
  const UniqueBitmap picture(CreateCompatibleBitmap(target, width, height));
  const UniqueFont font(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL,
                                    FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
  if (!memory || !picture) {
    return;
  }
  HDC dc = memory.Get();
  const SelectedObject keepPicture(dc, picture.Get());
  const SelectedObject keepFont(dc, font.Get());
  const RECT local{0, 0, width, height};
  const UniqueBrush background(CreateSolidBrush(kBackground));
  FillRect(dc, &local, background.Get());
  SetBkMode(dc, TRANSPARENT);
  DrawChart(dc, local, records, dpi);
  BitBlt(target, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace slots::win32
