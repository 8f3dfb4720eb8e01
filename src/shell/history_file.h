#pragma once

#include "game/card_model.h"
#include "game/game_history.h"

#include <cstdint>
#include <filesystem>
#include <optional>
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

// Adds one line to the file, which is never rewritten. A new or empty file
// gets the byte-order mark and the header first; a torn last line is ended
// first, so the new line stays whole.
bool AppendToHistoryFile(HistoryFileAccess &files,
                         const std::filesystem::path &file,
                         const game::GameRecord &record);

// Keeps each game in the file as it ends, while "Keep Game History" is on.
class HistoryFileKeeper final : public game::GameEndedListener {
public:
  HistoryFileKeeper(HistoryFileAccess &files, std::filesystem::path file,
                    const game::CardOptions &options)
      : files_(files), file_(std::move(file)), options_(options) {}
  void GameEnded(const game::GameRecord &record) override;

private:
  HistoryFileAccess &files_;
  std::filesystem::path file_;
  const game::CardOptions &options_;
};

} // namespace slots::shell
