#include "game/payout_table.h"

#include <gtest/gtest.h>

#include <string>

namespace slots::game {
namespace {

using Values = std::array<std::wstring, kPayoutCount>;

const Values kDefaultValues = {
    L"25000", L"10000", L"5000", L"2500", L"1000", L"500", L"500", L"400",
    L"400",   L"400",   L"300",  L"300",  L"300",  L"300", L"200", L"100"};
const Values kHostValues = {L"1",  L"2",  L"3",  L"4",  L"5",  L"6",
                            L"7",  L"8",  L"9",  L"10", L"11", L"12",
                            L"13", L"14", L"15", L"16"};
const std::wstring kHostLine =
    L"ESP from Dealer: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16";

TEST(PayoutTableTest, WindowShownBeforeAnyHostLineHoldsTheBuiltInTable) {
  CardModel model;
  ShowPayouts(model);
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Visible);
  EXPECT_EQ(model.payouts.values, kDefaultValues);
}

TEST(PayoutTableTest, HostLineFillsAHiddenWindowIgnoringWhatPrecedesTheTable) {
  CardModel model;
  ApplyPayoutLine(model, kHostLine);
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Hidden);
  EXPECT_EQ(model.payouts.values, kHostValues);
}

TEST(PayoutTableTest, ValuesShowAsWrittenAndExtraValuesAreIgnored) {
  CardModel model;
  ApplyPayoutLine(model, L"Payouts:1,000:ten::4:5:6:7:8:9:10:11:12:13:14:15:16:"
                         L"seventeen");
  EXPECT_EQ(model.payouts.values[0], L"1,000");
  EXPECT_EQ(model.payouts.values[1], L"ten");
  EXPECT_EQ(model.payouts.values[2], L"");
  EXPECT_EQ(model.payouts.values[15], L"16");
}

TEST(PayoutTableTest, ShortLineFillsItsFieldsAndLeavesTheOthers) {
  CardModel model;
  ApplyPayoutLine(model, L"Payouts:99:88");
  Values expected = kDefaultValues;
  expected[0] = L"99";
  expected[1] = L"88";
  EXPECT_EQ(model.payouts.values, expected);
}

TEST(PayoutTableTest, TextWithoutTheMarkerChangesNothing) {
  CardModel model;
  ApplyPayoutLine(model, L"Dealer: payouts:1:2:3");
  EXPECT_EQ(model, CardModel());
}

TEST(PayoutTableTest, ClosedWindowComesBackWithTheHostsTableNotTheDefault) {
  CardModel model;
  ApplyPayoutLine(model, kHostLine);
  ShowPayouts(model);
  ClosePayoutWindow(model);
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::NotCreated);
  ShowPayouts(model);
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Visible);
  EXPECT_EQ(model.payouts.values, kHostValues);
}

TEST(PayoutTableTest, ShowingAVisibleWindowAgainKeepsItsValues) {
  CardModel model;
  ShowPayouts(model);
  ApplyPayoutLine(model, kHostLine);
  ShowPayouts(model);
  EXPECT_EQ(model.payoutWindow, PayoutWindowState::Visible);
  EXPECT_EQ(model.payouts.values, kHostValues);
}

} // namespace
} // namespace slots::game
