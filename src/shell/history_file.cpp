#include "shell/history_file.h"

#include "game/game_history_csv.h"

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

bool AppendToHistoryFile(HistoryFileAccess &files,
                         const std::filesystem::path &file,
                         const game::GameRecord &record) {
  const std::uint64_t size = files.FileSize(file).value_or(0);
  std::string bytes;
  if (size == 0) {
    bytes = game::kUtf8ByteOrderMark;
    bytes += game::HistoryCsvHeader();
    bytes += game::kCsvLineEnd;
  } else if (files.ReadBytes(file, size - 1, 1) != "\n") {
    bytes = game::kCsvLineEnd;
  }
  bytes += game::HistoryCsvLine(record);
  bytes += game::kCsvLineEnd;
  return files.AppendBytes(file, bytes);
}

void HistoryFileKeeper::GameEnded(const game::GameRecord &record) {
  if (options_.keepGameHistory) {
    AppendToHistoryFile(files_, file_, record);
  }
}

} // namespace slots::shell
