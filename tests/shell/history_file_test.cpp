#include "shell/history_file.h"

#include "game/game_history_csv.h"

#include <gtest/gtest.h>

#include <map>

namespace slots::shell_test {
namespace {

using game::GameRecord;

class InMemoryHistoryFiles final : public shell::HistoryFileAccess {
public:
  std::map<std::filesystem::path, std::string> files;
  std::uint64_t bytesRead = 0;
  // A spreadsheet holding the file open, a full disk.
  bool refuseAppends = false;

  std::optional<std::uint64_t>
  FileSize(const std::filesystem::path &file) override {
    const auto found = files.find(file);
    if (found == files.end()) {
      return std::nullopt;
    }
    return found->second.size();
  }
  std::string ReadBytes(const std::filesystem::path &file, std::uint64_t offset,
                        std::size_t length) override {
    const std::string piece = files.at(file).substr(offset, length);
    bytesRead += piece.size();
    return piece;
  }
  bool AppendBytes(const std::filesystem::path &file,
                   std::string_view bytes) override {
    if (refuseAppends) {
      return false;
    }
    files[file] += bytes;
    return true;
  }
};

const std::filesystem::path kFile = "slots-history.csv";

GameRecord Game(std::int64_t number) {
  return {.number = number,
          .time = 1796738759 + number,
          .host = L"Marlowe",
          .practice = true,
          .firstSpin = {1, 2, 3},
          .held = {true, false, false},
          .finalSpin = {1, 1, 1},
          .result = game::GameResult::Win,
          .balance = L"1400",
          .change = 400,
          .tablePays = L"500"};
}

TEST(HistoryFile, AppendsLinesToANewOrTornFileAndReadsThemBack) {
  InMemoryHistoryFiles access;
  game::CardOptions options;
  shell::HistoryFileKeeper keeper(access, kFile, options);
  keeper.GameEnded(Game(1));
  EXPECT_TRUE(access.files.empty()) << "the option is off";

  options.keepGameHistory = true;
  keeper.GameEnded(Game(1));
  EXPECT_EQ(access.files[kFile], "\xEF\xBB\xBF" + game::HistoryCsvHeader() +
                                     "\r\n" + game::HistoryCsvLine(Game(1)) +
                                     "\r\n");
  // A card that stopped while writing left half a line.
  access.files[kFile] += game::HistoryCsvLine(Game(2)).substr(0, 30);
  keeper.GameEnded(Game(3));
  access.files[kFile] += "somebody else's line\r\n1,2,3\r\n" +
                         game::HistoryCsvLine(Game(4)) + "\r\n" +
                         game::HistoryCsvLine(Game(5)).substr(0, 60);
  EXPECT_EQ(shell::LoadHistoryFile(access, kFile),
            (std::vector<GameRecord>{Game(1), Game(3), Game(4)}));
  EXPECT_TRUE(shell::LoadHistoryFile(access, "missing.csv").empty());
}

std::string LinesOf(std::initializer_list<std::int64_t> numbers) {
  std::string lines;
  for (const std::int64_t number : numbers) {
    lines += game::HistoryCsvLine(Game(number)) + "\r\n";
  }
  return lines;
}

// Games that could not be written wait, in order, for the next game or the
// card's closing; the player hears of it once.
TEST(HistoryFile, UnwrittenGamesAreKeptAndWrittenLaterAndThePlayerToldOnce) {
  InMemoryHistoryFiles access;
  game::CardOptions options{.keepGameHistory = true};
  shell::HistoryFileKeeper keeper(access, kFile, options);
  int told = 0;
  keeper.SetTroubleNotice([&told] { ++told; });
  keeper.GameEnded(Game(1));
  access.refuseAppends = true;
  keeper.GameEnded(Game(2));
  keeper.GameEnded(Game(3));
  EXPECT_EQ(told, 1);
  EXPECT_EQ(keeper.UnwrittenGames(),
            (std::vector<GameRecord>{Game(2), Game(3)}));

  access.refuseAppends = false;
  options.keepGameHistory = false;
  keeper.GameEnded(Game(4));
  EXPECT_TRUE(keeper.UnwrittenGames().empty());
  const std::string header = "\xEF\xBB\xBF" + game::HistoryCsvHeader() + "\r\n";
  EXPECT_EQ(access.files[kFile], header + LinesOf({1, 2, 3}));

  options.keepGameHistory = true;
  access.refuseAppends = true;
  keeper.GameEnded(Game(5));
  access.refuseAppends = false;
  keeper.WriteUnwrittenGames();
  EXPECT_EQ(access.files[kFile], header + LinesOf({1, 2, 3, 5}));
  EXPECT_EQ(told, 1);
}

// Turned on in the middle of an evening, the file's numbering goes on from
// its newest game, not from the evening's first.
TEST(HistoryFile, NumberingGoesOnFromTheFilesNewestGame) {
  InMemoryHistoryFiles access;
  access.files[kFile] =
      "\xEF\xBB\xBF" + game::HistoryCsvHeader() + "\r\n" + LinesOf({40, 41});
  game::CardOptions options;
  shell::HistoryFileKeeper keeper(access, kFile, options);
  EXPECT_EQ(keeper.LastKeptGameNumber(), 0) << "the option is off";
  EXPECT_EQ(shell::LastGameNumberInFile(access, "missing.csv"), 0);
  options.keepGameHistory = true;
  EXPECT_EQ(keeper.LastKeptGameNumber(), 41);
  access.refuseAppends = true;
  keeper.GameEnded(Game(42));
  EXPECT_EQ(keeper.LastKeptGameNumber(), 42);
  access.refuseAppends = false;
  keeper.GameEnded(Game(43));
  EXPECT_EQ(keeper.LastKeptGameNumber(), 43);
  EXPECT_EQ(shell::LastGameNumberInFile(access, kFile), 43);
  // Off, the file is anybody's; turned on again, it is read afresh.
  options.keepGameHistory = false;
  EXPECT_EQ(keeper.LastKeptGameNumber(), 0);
  access.files[kFile] += LinesOf({50});
  options.keepGameHistory = true;
  EXPECT_EQ(keeper.LastKeptGameNumber(), 50);
}

TEST(HistoryFile, ALargeFileCostsOnlyItsTailAndGivesTheNewestGames) {
  InMemoryHistoryFiles access;
  std::string &file = access.files[kFile];
  file = "\xEF\xBB\xBF" + game::HistoryCsvHeader() + "\r\n";
  for (std::int64_t number = 1; number <= 40000; ++number) {
    file += game::HistoryCsvLine(Game(number)) + "\r\n";
  }
  ASSERT_GT(file.size(), 3 * shell::kHistoryTailBytes);

  const std::vector<GameRecord> loaded = shell::LoadHistoryFile(access, kFile);

  EXPECT_LE(access.bytesRead, shell::kHistoryTailBytes);
  ASSERT_EQ(loaded.size(), shell::kGamesLoadedAtStart);
  EXPECT_EQ(loaded.front(), Game(39001));
  EXPECT_EQ(loaded.back(), Game(40000));
}

} // namespace
} // namespace slots::shell_test
