#include "game/game_history.h"

#include "game/card_reset.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/game_history_csv.h"
#include "game/holds.h"
#include "game/payout_table.h"
#include "game/payout_word.h"
#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using testing::FinalSpinLine;
using testing::FirstSpinLine;

constexpr std::int64_t kNow = 1796738759; // 2026-12-08T14:05:59Z

class FixedClock final : public GameClock {
public:
  std::int64_t SecondsSinceEpoch() const override { return kNow; }
};

struct WholeGame {
  const char *name;
  std::array<std::wstring, 3> first;
  std::array<std::wstring, 3> final;
  std::wstring balanceAfter;
  // Expected:
  SpinSymbols finalSymbols;
  GameResult result;
  std::wstring tablePays;
  std::optional<std::int64_t> change;
};

class GameHistoryTest : public testing::CardTest {
protected:
  GameHistoryTest() { card.history = &history; }

  void PlayWholeGame(const WholeGame &game) {
    EnterReadyToStart();
    model.credits = L"1000";
    const std::wstring first =
        FirstSpinLine(game.first[0], game.first[1], game.first[2]);
    library.SetChat({first});
    Start(card);
    model.holds = {true, false, true};
    EspHolds(card);
    library.SetChat({first, FinalSpinLine(game.final[0], game.final[1],
                                          game.final[2], game.balanceAfter)});
    Final(card);
  }

  FixedClock clock;
  GameHistory history{clock, true};
};

TEST_F(GameHistoryTest, WholeGamesAreRecordedWithTheTablesWord) {
  const WholeGame games[] = {
      {"win",
       {L"01", L"02", L"03"},
       {L"01", L"01", L"01"},
       L"1400",
       {1, 1, 1},
       GameResult::Win,
       L"500",
       400},
      {"loss",
       {L"03", L"03", L"04"},
       {L"03", L"03", L"04"},
       L"900",
       {3, 3, 4},
       GameResult::Loss,
       L"",
       -100},
      {"three Cherries",
       {L"14", L"02", L"14"},
       {L"14", L"14", L"14"},
       L"1200",
       {14, 14, 14},
       GameResult::Win,
       L"300",
       200},
      {"two Cherries",
       {L"14", L"05", L"06"},
       {L"14", L"05", L"14"},
       L"1100",
       {14, 5, 14},
       GameResult::Win,
       L"200",
       100},
      {"one Cherry",
       {L"01", L"14", L"02"},
       {L"01", L"14", L"02"},
       L"1000",
       {1, 14, 2},
       GameResult::Win,
       L"100",
       0},
      {"blank reels",
       {L"15", L"00", L"xx"},
       {L"15", L"00", L"xx"},
       L"900",
       {0, 0, 0},
       GameResult::Loss,
       L"",
       -100},
      {"balance no number",
       {L"04", L"04", L"01"},
       {L"04", L"04", L"04"},
       L"12):",
       {4, 4, 4},
       GameResult::Win,
       L"25000",
       std::nullopt},
      // Codes that lead with digits show the symbol of their value; codes
      // that name no symbol are blank reels, however equal.
      {"odd codes",
       {L"7x", L"5[", L"1 "},
       {L"7x", L"7x", L"7x"},
       L"900",
       {7, 7, 7},
       GameResult::Loss,
       L"400",
       -100},
      {"equal codes beyond the symbols",
       {L"99", L"99", L"99"},
       {L"99", L"99", L"99"},
       L"800",
       {0, 0, 0},
       GameResult::Loss,
       L"",
       -200},
      {"balance blank",
       {L"04", L"04", L"01"},
       {L"09", L"09", L"09"},
       L"",
       {9, 9, 9},
       GameResult::Win,
       L"10000",
       std::nullopt},
  };
  for (const WholeGame &game : games) {
    SCOPED_TRACE(game.name);
    PlayWholeGame(game);
    ASSERT_FALSE(history.Records().empty());
    const GameRecord &record = history.Records().back();
    EXPECT_EQ(record.number,
              static_cast<std::int64_t>(history.Records().size()));
    EXPECT_EQ(record.time, kNow);
    EXPECT_EQ(record.host, L"Dealer");
    EXPECT_TRUE(record.practice);
    EXPECT_EQ(record.held, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(record.finalSpin, game.finalSymbols);
    EXPECT_EQ(record.result, game.result);
    EXPECT_EQ(record.balance, game.balanceAfter);
    EXPECT_EQ(record.change, game.change);
    EXPECT_EQ(record.tablePays, game.tablePays);
  }
  EXPECT_EQ(history.Records()[5].firstSpin, (SpinSymbols{0, 0, 0}));
  EXPECT_EQ(history.Records()[3].firstSpin, (SpinSymbols{14, 5, 6}));
  EXPECT_EQ(history.Records()[7].firstSpin, (SpinSymbols{7, 5, 1}));
  EXPECT_EQ(SummaryLine(Summarize(history.Records())),
            L"Games: 10   Wins: 6 (60%)   Net: +200   Best win: +400");
}

TEST(TablePaysTest, OnlySymbolsAReelCanShowHaveARow) {
  CardModel model;
  ApplyPayoutLine(model, L"Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16");
  EXPECT_EQ(TablePaysFor(model.payouts, {14, 14, 14}), L"14");
  EXPECT_EQ(TablePaysFor(model.payouts, {1, 1, 1}), L"7");
  EXPECT_EQ(TablePaysFor(model.payouts, {14, 0, 14}), L"15");
  EXPECT_EQ(TablePaysFor(model.payouts, {0, 0, 14}), L"16");
  EXPECT_EQ(TablePaysFor(model.payouts, {0, 0, 0}), L"");
  EXPECT_EQ(TablePaysFor(model.payouts, {15, 15, 15}), L"");
  EXPECT_EQ(TablePaysFor(model.payouts, {255, 14, 14}), L"");
}

// Chat text is kept short: a balance or a name may be kilobytes long.
TEST_F(GameHistoryTest, KeptTextsAreCut) {
  const std::wstring longBalance(GameRecord::kLongestText + 1, L'9');
  model.hostName = L"Dea	ler";
  PlayWholeGame({"",
                 {L"01", L"01", L"01"},
                 {L"01", L"02", L"03"},
                 longBalance,
                 {},
                 {},
                 {},
                 {}});
  ASSERT_EQ(history.Records().size(), 1u);
  EXPECT_EQ(history.Records().back().balance,
            longBalance.substr(0, GameRecord::kLongestText));
  EXPECT_EQ(history.Records().back().change, std::nullopt);
}

TEST_F(GameHistoryTest, TheTablesWordIsTheTableTheCardHeldThen) {
  ApplyPayoutLine(model, L"ESP from Dealer: Payouts:7:8:9:10:11:12:13:14:15:"
                         L"16:17:18:19:20:21:22");
  PlayWholeGame(
      {"", {L"01", L"01", L"01"}, {L"12", L"12", L"12"}, L"1", {}, {}, {}, {}});
  ApplyPayoutLine(model, std::wstring(DefaultPayoutLine));
  EXPECT_EQ(history.Records().back().tablePays, L"12");
}

TEST_F(GameHistoryTest, ResetAfterStartIsAGameWithoutFinalAndOtherResetsNone) {
  EnterReadyToStart();
  ResetCard(card);
  EXPECT_TRUE(history.Records().empty()) << "no game was under way";

  EnterReadyToStart();
  library.SetChat({FirstSpinLine(L"01", L"02", L"03")});
  Start(card);
  ResetCard(card);
  ASSERT_EQ(history.Records().size(), 1u);
  const GameRecord &record = history.Records().back();
  EXPECT_EQ(record.result, GameResult::Reset);
  EXPECT_EQ(record.firstSpin, (SpinSymbols{1, 2, 3}));
  EXPECT_EQ(record.finalSpin, (SpinSymbols{}));
  EXPECT_EQ(record.balance, L"");
  EXPECT_EQ(record.change, std::nullopt);
  EXPECT_EQ(SummaryLine(Summarize(history.Records())),
            L"Games: 1   Wins: 0   Net: 0   Best win: none");
}

TEST_F(GameHistoryTest, NumberingGoesOnAfterEarlierGamesAndOldestGoFirst) {
  GameRecord earlier;
  earlier.number = 41;
  history.AddEarlierGames({earlier});
  PlayWholeGame({"",
                 {L"01", L"01", L"01"},
                 {L"01", L"02", L"03"},
                 L"900",
                 {},
                 {},
                 {},
                 {}});
  EXPECT_EQ(history.Records().back().number, 42);

  // A file kept elsewhere numbers further still.
  struct FileAt50 final : GameEndedListener {
    void GameEnded(const GameRecord &) override {}
    std::int64_t LastKeptGameNumber() override { return 50; }
  } file;
  history.SetListener(&file);
  EnterReadyToStart();
  library.SetChat({FirstSpinLine(L"01", L"02", L"03")});
  Start(card);
  ResetCard(card);
  EXPECT_EQ(history.Records().back().number, 51);

  std::vector<GameRecord> many(GameHistory::kHeldGames + 5, earlier);
  history.AddEarlierGames(many);
  EXPECT_EQ(history.Records().size(), GameHistory::kHeldGames);
}

TEST(GameHistoryCsv, RoundTripsAwkwardNamesAndQuotesOnlyWhereNeeded) {
  GameRecord record{.number = 7,
                    .time = kNow,
                    .host = L"Ann, \"the\" D\u00e9aler \U0001F3B0",
                    .practice = false,
                    .firstSpin = {5, 0, 14},
                    .held = {false, true, true},
                    .finalSpin = {14, 14, 2},
                    .result = GameResult::Win,
                    .balance = L"12):",
                    .change = -12,
                    .tablePays = L"2,000"};
  const std::string line = HistoryCsvLine(record);
  EXPECT_EQ(line, "7,2026-12-08T14:05:59Z,\"Ann, \"\"the\"\" D\xC3\xA9"
                  "aler \xF0\x9F\x8E\xB0\",chat,Gold Bar,,Cherry,2 3,Cherry,"
                  "Cherry,Grape,win,12):,-12,\"2,000\"");
  EXPECT_EQ(ParseHistoryCsvLine(line), record);
  for (const std::wstring host : {L" lead", L"\u65e5\u672c", L"", L"a\"b"}) {
    record.host = host;
    EXPECT_EQ(ParseHistoryCsvLine(HistoryCsvLine(record)), record);
  }
  record.host = std::wstring(GameRecord::kLongestText, L'a') + L"b";
  EXPECT_EQ(ParseHistoryCsvLine(HistoryCsvLine(record))->host,
            record.host.substr(0, GameRecord::kLongestText));
  const std::string document = HistoryCsvDocument({record});
  EXPECT_TRUE(document.starts_with("\xEF\xBB\xBFGame,Time,Host,Table,"));
  EXPECT_TRUE(document.ends_with(HistoryCsvLine(record) + "\r\n"));
}

// A spreadsheet runs a cell that starts with "=", "+", "-", "@", a tab or a
// CR as a formula; such a text is written with an apostrophe in front, and
// read back without it. Plain numbers stay numbers.
TEST(GameHistoryCsv, TextsASpreadsheetWouldRunAreMarked) {
  const std::pair<std::wstring, std::string> cells[] = {
      {L"=1+2", "'=1+2"},
      {L"+x", "'+x"},
      {L"-x", "'-x"},
      {L"@SUM(A1)", "'@SUM(A1)"},
      {L"\tx", "'\tx"},
      {L"\rx", "\"'\rx\""},
      {L"'quoted", "''quoted"},
      {L"-50", "-50"},
      {L"+50", "+50"},
      {L"-5.25", "-5.25"},
      {L"-5.", "'-5."},
      {L"- 5", "'- 5"},
      {L"x=1", "x=1"},
      {L"-9", "-9"},
      {L"", ""}};
  for (const auto &[text, cell] : cells) {
    SCOPED_TRACE(cell);
    GameRecord record;
    record.number = 1;
    record.time = kNow;
    record.host = record.balance = record.tablePays = text;
    const std::string line = HistoryCsvLine(record);
    EXPECT_EQ(line, "1,2026-12-08T14:05:59Z," + cell + ",chat,,,,,,,,loss," +
                        cell + ",," + cell);
    EXPECT_EQ(ParseHistoryCsvLine(line), record);
  }
}

} // namespace
} // namespace slots::game
