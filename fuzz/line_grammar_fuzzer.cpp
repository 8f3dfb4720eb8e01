// Takes any line apart by the chat's grammar: pieces are always parts of
// the line, never more.
#include "chat/chat_line_grammar.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  const std::wstring line = fuzz::WideTextOf(data, size);
  fuzz::Require(line.starts_with(chat::SpeakerOfLine(line)));
  if (const auto received = chat::ParseReceivedPrivateLine(line)) {
    fuzz::Require(line.find(received->sender) != std::wstring::npos);
    fuzz::Require(line.ends_with(received->message));
    if (const auto keyword = chat::ParseKeywordMessage(received->message)) {
      fuzz::Require(keyword->keyword.size() + 1 + keyword->payload.size() ==
                    received->message.size());
    }
  }
  chat::IsSentPrivateLine(line);
  return 0;
}
