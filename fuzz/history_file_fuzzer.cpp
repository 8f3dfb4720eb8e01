// Reads any bytes as a piece of a history file: every game it finds writes
// out as a line that reads back as the same game.
#include "fuzz_input.h"
#include "game/game_history_csv.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  for (const bool atFileStart : {true, false}) {
    for (const game::GameRecord &record :
         game::ReadHistoryTail(bytes, atFileStart, 1000)) {
      fuzz::Require(game::ParseHistoryCsvLine(game::HistoryCsvLine(record)) ==
                    record);
    }
  }
  return 0;
}
