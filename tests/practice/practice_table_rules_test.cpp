// The machinekeeper's table and the fields it writes, as the card reads them.
#include "practice/practice_table_rules.h"

#include "game/final_spin.h"
#include "game/game_fakes.h"
#include "game/payout_table.h"
#include "game/spin_line.h"
#include "practice/symbol_draw.h"

#include <gtest/gtest.h>

#include <set>

namespace slots::practice {
namespace {

TEST(PracticeTableRules, ThreeEqualSymbolsPayTheirRowOfTheAnnouncedTable) {
  game::CardModel card;
  game::ApplyPayoutLine(card, PayoutLine());
  // 7 (code 4) is the first row, Bar (9) the second, Grape (2) the 13th.
  EXPECT_EQ(std::to_wstring(PayoutFor({4, 4, 4})), card.payouts.values[0]);
  EXPECT_EQ(std::to_wstring(PayoutFor({9, 9, 9})), card.payouts.values[1]);
  EXPECT_EQ(std::to_wstring(PayoutFor({2, 2, 2})), card.payouts.values[12]);
  EXPECT_EQ(PayoutFor({1, 1, 1}), 50);
  EXPECT_EQ(PayoutFor({13, 13, 13}), 40);
}

TEST(PracticeTableRules, CherriesPayTheirRowsAnywhereOnTheReels) {
  EXPECT_EQ(PayoutFor({14, 14, 14}), 30);
  EXPECT_EQ(PayoutFor({3, 14, 14}), 20);
  EXPECT_EQ(PayoutFor({14, 7, 14}), 20);
  EXPECT_EQ(PayoutFor({5, 5, 14}), 10);
  EXPECT_EQ(PayoutFor({14, 1, 2}), 10);
}

TEST(PracticeTableRules, AnyOtherSpinPaysNothing) {
  EXPECT_EQ(PayoutFor({5, 5, 6}), 0);
  EXPECT_EQ(PayoutFor({2, 1, 3}), 0);
  EXPECT_EQ(PayoutFor({0, 0, 0}), 0);
}

TEST(PracticeTableRules, CardReadsTheSpinAndCreditFieldsAsDealt) {
  const auto final = game::ParseSpinLine(
      game::testing::EspFrom(L"Marlowe", L"FINAL:" + SpinField({5, 9, 14}) +
                                             L":" + CreditField(1250)),
      L"FINAL");
  ASSERT_TRUE(final.has_value());
  EXPECT_EQ(final->codes, (std::array<std::wstring, 3>{L"05", L"09", L"14"}));
  EXPECT_EQ(game::BalanceFromCreditField(final->rest), L"1250");
  EXPECT_EQ(game::BalanceFromCreditField(CreditField(0)), L"0");
}

TEST(PracticeTableRules, HoldsMessageIsTakenOnlyInTheCardsExactForm) {
  EXPECT_EQ(ParseHoldsMessage(L"I hold 1,0,1"), (Holds{true, false, true}));
  EXPECT_EQ(ParseHoldsMessage(L"I hold 0,0,0"), (Holds{false, false, false}));
  for (const wchar_t *message :
       {L"I hold 1,0", L"I hold 1,0,1,", L"I hold 1,2,0", L"I hold 1;0;1",
        L"i hold 1,0,1", L"I hold  1,0,1", L"I hold ", L""}) {
    EXPECT_FALSE(ParseHoldsMessage(message).has_value()) << message;
  }
}

TEST(SymbolDraw, SameSeedDrawsTheSameSymbolsAndEveryCodeComesUp) {
  SymbolDraw first(99);
  SymbolDraw second(99);
  std::set<int> seen;
  for (int draw = 0; draw < 2000; ++draw) {
    const int code = first.DrawSymbolCode();
    ASSERT_EQ(code, second.DrawSymbolCode());
    ASSERT_GE(code, 1);
    ASSERT_LE(code, kSymbolCount);
    seen.insert(code);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSymbolCount));
}

} // namespace
} // namespace slots::practice
