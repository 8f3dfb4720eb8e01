#pragma once

#include "win32/card/card_control_ids.h"
#include "win32/card/card_layout.h"

#include <array>

namespace slots::win32 {

// One row of the payout chart: the pictures of a winning combination and the
// label that shows what it pays.
struct PayoutRow {
  int labelId;
  int symbolCode;
  int symbolCount;
  // Left and top of the value label in twips; the pictures stand left of it.
  int labelLeft;
  int labelTop;
};

inline constexpr SIZE kPayoutClientTwips{4395, 3390};
inline constexpr int kPayoutLabelWidthTwips = 615;
inline constexpr int kPayoutLabelHeightTwips = 255;
inline constexpr FontStyle kPayoutLabelFont{L"MS Sans Serif", 825, FW_BOLD,
                                            VARIABLE_PITCH | FF_SWISS};
inline constexpr COLORREF kPayoutValueColour = RGB(192, 0, 0);
// Where the chart's columns of pictures begin, in twips.
inline constexpr std::array<int, 2> kPayoutPictureLeftTwips{60, 2250};

// Fields 1 to 16 of a "Payouts:" line: the left column top to bottom, then
// the right one.
inline constexpr std::array<PayoutRow, 16> kPayoutRows{{
    {kLbl7, 4, 3, 1400, 115},
    {kLblBar, 9, 3, 1400, 535},
    {kLblDollar, 3, 3, 1400, 945},
    {kLblDiamond, 6, 3, 1400, 1345},
    {kLblGold, 5, 3, 1400, 1735},
    {kLblApple, 12, 3, 1400, 2160},
    {kLblBell, 1, 3, 1400, 2560},
    {kLblStar, 13, 3, 1400, 2965},
    {kLblLime, 11, 3, 3600, 115},
    {kLblHeart, 7, 3, 3600, 535},
    {kLblSun, 10, 3, 3600, 945},
    {kLblGem, 8, 3, 3600, 1345},
    {kLblGrape, 2, 3, 3600, 1735},
    {kLbl3Cherry, 14, 3, 3600, 2160},
    {kLbl2Cherry, 14, 2, 3600, 2560},
    {kLbl1Cherry, 14, 1, 3600, 2965},
}};

} // namespace slots::win32
