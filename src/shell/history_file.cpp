#include "shell/history_file.h"

#include "game/game_history_csv.h"

#include <algorithm>

namespace slots::shell {

std::vector<game::GameRecord>
LoadHistoryFile(HistoryFileAccess &files, const std::filesystem::path &file) {
  const auto size = files.FileSize(file);
  if (!size) {
    return {};
  }
  const std::uint64_t offset =
      *size > kHistoryTailBytes ? *size - kHistoryTailBytes : 0;
  const std::string tail =
      files.ReadBytes(file, offset, static_cast<std::size_t>(*size - offset));
  return game::ReadHistoryTail(tail, offset == 0, kGamesLoadedAtStart);
}

std::int64_t LastGameNumberInFile(HistoryFileAccess &files,
                                  const std::filesystem::path &file) {
  const std::vector<game::GameRecord> games = LoadHistoryFile(files, file);
  return games.empty() ? 0 : games.back().number;
}

bool AppendToHistoryFile(HistoryFileAccess &files,
                         const std::filesystem::path &file,
                         std::span<const game::GameRecord> records) {
  const std::uint64_t size = files.FileSize(file).value_or(0);
  std::string bytes;
  if (size == 0) {
    bytes = game::kUtf8ByteOrderMark;
    bytes += game::HistoryCsvHeader();
    bytes += game::kCsvLineEnd;
  } else if (files.ReadBytes(file, size - 1, 1) != "\n") {
    bytes = game::kCsvLineEnd;
  }
  for (const game::GameRecord &record : records) {
    bytes += game::HistoryCsvLine(record);
    bytes += game::kCsvLineEnd;
  }
  return files.AppendBytes(file, bytes);
}

void HistoryFileKeeper::GameEnded(const game::GameRecord &record) {
  if (options_.keepGameHistory) {
    if (unwritten_.size() == game::GameHistory::kHeldGames) {
      unwritten_.erase(unwritten_.begin());
    }
    unwritten_.push_back(record);
  }
  WriteUnwrittenGames();
}

std::int64_t HistoryFileKeeper::LastKeptGameNumber() {
  if (!options_.keepGameHistory) {
    lastNumberInFile_.reset();
    return 0;
  }
  if (!lastNumberInFile_) {
    lastNumberInFile_ = LastGameNumberInFile(files_, file_);
  }
  return unwritten_.empty()
             ? *lastNumberInFile_
             : std::max(*lastNumberInFile_, unwritten_.back().number);
}

void HistoryFileKeeper::WriteUnwrittenGames() {
  if (unwritten_.empty()) {
    return;
  }
  if (AppendToHistoryFile(files_, file_, unwritten_)) {
    if (lastNumberInFile_) {
      lastNumberInFile_ =
          std::max(*lastNumberInFile_, unwritten_.back().number);
    }
    unwritten_.clear();
    return;
  }
  if (!told_ && tellTrouble_) {
    told_ = true;
    tellTrouble_();
  }
}

} // namespace slots::shell
