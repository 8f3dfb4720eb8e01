// Walks any chat text back to its oldest line: the walk must end, and no
// line it hands out may hold a line break or reach outside the text.
#include "chat/chat_text_reader.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  const std::wstring text = fuzz::WideTextOf(data, size);
  chat::ChatTextReader reader;
  std::size_t steps = 0;
  std::size_t handedOut = 0;
  for (std::wstring_view line = reader.ReadChatLine(text);
       line != chat::kNoMoreLines; line = reader.ReadChatLine({})) {
    fuzz::Require(line.find(chat::kLineBreak) == std::wstring_view::npos);
    handedOut += line.size();
    fuzz::Require(handedOut <= text.size());
    fuzz::Require(++steps <= text.size() + 1);
  }
  // Only a line that itself reads "qmerror" ends a walk early.
  fuzz::Require(reader.RemainingChatText().empty() ||
                text.find(chat::kNoMoreLines) != std::wstring::npos);
  return 0;
}
