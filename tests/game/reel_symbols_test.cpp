#include "game/reel_symbols.h"

#include <gtest/gtest.h>

#include <utility>

namespace slots::game {
namespace {

TEST(ShowReelSymbolTest, ShowsTheNamedSymbolAndKeepsTheCodeAsSent) {
  CardModel model;
  ShowReelSymbol(model, L"05", 1);
  EXPECT_EQ(model.reels[0], (ReelLabel{L"Gold Bar", L"05"}));
}

TEST(ShowReelSymbolTest, ReadsCodesTheLenientWay) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L" 9", L"Bar"},   {L"9 ", L"Bar"},       {L"14", L"Cherry"},
      {L"1.", L"Bell"},  {L"+4", L"7"},         {L"3", L"$"},
      {L"1.0", L"Bell"}, {L"14.00", L"Cherry"}, {L"2.0.5", L"Grape"}};
  for (const auto &[code, name] : cases) {
    CardModel model;
    ShowReelSymbol(model, code, 2);
    EXPECT_EQ(model.reels[1], (ReelLabel{name, code})) << "code " << code;
  }
}

TEST(ShowReelSymbolTest, CodeNamingNoSymbolBlanksTheReelButKeepsTheCode) {
  for (const std::wstring code :
       {L"15", L"00", L"xx", L"", L".5", L"-1", L"1.5", L"13.99", L"2.05"}) {
    CardModel model;
    ShowReelSymbol(model, code, 3);
    EXPECT_EQ(model.reels[2], (ReelLabel{L"", code}));
  }
}

TEST(ShowReelSymbolTest, ReelNumberOutsideOneToThreeChangesNothing) {
  CardModel model;
  ShowReelSymbol(model, L"05", 0);
  ShowReelSymbol(model, L"05", 4);
  EXPECT_EQ(model, CardModel());
}

} // namespace
} // namespace slots::game
