#include "win32/payout/payout_chart.h"

#include "win32/card/reel_symbol_art.h"
#include "win32/payout/payout_layout.h"
#include "win32/platform/dpi_scaling.h"

namespace slots::win32 {
namespace {

constexpr int kPictureTwips = 390;
constexpr int kPictureGapTwips = 30;

} // namespace

void DrawPayoutChart(HDC dc, int dpi) {
  for (const PayoutRow &row : kPayoutRows) {
    const int column = row.labelLeft < kPayoutRows.back().labelLeft ? 0 : 1;
    const int labelMiddle = row.labelTop + kPayoutLabelHeightTwips / 2;
    const int top = labelMiddle - kPictureTwips / 2;
    for (int picture = 0; picture < row.symbolCount; ++picture) {
      const int left =
          kPayoutPictureLeftTwips[static_cast<std::size_t>(column)] +
          picture * (kPictureTwips + kPictureGapTwips);
      DrawReelSymbol(
          dc, row.symbolCode,
          TwipsToPixelRect(left, top, kPictureTwips, kPictureTwips, dpi));
    }
  }
}

} // namespace slots::win32
