#pragma once

#include "game/card_model.h"
#include "game/game_history.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slots::shell {

inline constexpr std::string_view kHistoryFileName = "slots-history.csv";
// Games shown from the file at start-up, and the most of the file read for
// them: a file of many megabytes costs no more than its tail.
inline constexpr std::size_t kGamesLoadedAtStart = 1000;
inline constexpr std::uint64_t kHistoryTailBytes = 1024 * 1024;

// Where the history file's bytes come from and go to.
class HistoryFileAccess {
public:
  virtual ~HistoryFileAccess() = default;
  // Nothing when the file is missing or cannot be read.
  virtual std::optional<std::uint64_t>
  FileSize(const std::filesystem::path &file) = 0;
  // Up to length bytes from the offset on; fewer when the file is shorter.
  virtual std::string ReadBytes(const std::filesystem::path &file,
                                std::uint64_t offset, std::size_t length) = 0;
  // Writes the bytes after the file's end in one go, creating the file when
  // it is missing; false when they could not be written.
  virtual bool AppendBytes(const std::filesystem::path &file,
                           std::string_view bytes) = 0;
};

// The newest games of the file, oldest first; none when it cannot be read.
std::vector<game::GameRecord>
LoadHistoryFile(HistoryFileAccess &files, const std::filesystem::path &file);

// The number of the newest game the file holds; 0 when it holds none.
std::int64_t LastGameNumberInFile(HistoryFileAccess &files,
                                  const std::filesystem::path &file);

// Adds a line for each game to the file, which is never rewritten, in one
// write. A new or empty file gets the byte-order mark and the header first;
// a torn last line is ended first, so the new lines stay whole.
bool AppendToHistoryFile(HistoryFileAccess &files,
                         const std::filesystem::path &file,
                         std::span<const game::GameRecord> records);

inline constexpr std::wstring_view kHistoryTroubleTitle = L"Game History";
inline constexpr std::wstring_view kHistoryTroubleNotice =
    L"The game history could not be written to slots-history.csv. The card "
    L"keeps the games and writes them after the next game or when it closes.";

// Keeps each game in the file as it ends, while "Keep Game History" is on.
// A game that could not be written (a spreadsheet holding the file open, a
// full disk) is kept and written before the next one and when the card
// closes; the player is told once.
class HistoryFileKeeper final : public game::GameEndedListener {
public:
  HistoryFileKeeper(HistoryFileAccess &files, std::filesystem::path file,
                    const game::CardOptions &options)
      : files_(files), file_(std::move(file)), options_(options) {}
  // What tells the player, the first time games could not be written.
  void SetTroubleNotice(std::function<void()> tell) {
    tellTrouble_ = std::move(tell);
  }
  void GameEnded(const game::GameRecord &record) override;
  // Numbering goes on after the file's newest game, also when the option is
  // turned on in the middle of an evening.
  std::int64_t LastKeptGameNumber() override;
  // Tries once more; the card calls it as it closes.
  void WriteUnwrittenGames();
  const std::vector<game::GameRecord> &UnwrittenGames() const {
    return unwritten_;
  }

private:
  HistoryFileAccess &files_;
  std::filesystem::path file_;
  const game::CardOptions &options_;
  std::function<void()> tellTrouble_;
  bool told_ = false;
  std::vector<game::GameRecord> unwritten_;
  // Read once each time the option is on: only this card adds to the file.
  std::optional<std::int64_t> lastNumberInFile_;
};

} // namespace slots::shell
