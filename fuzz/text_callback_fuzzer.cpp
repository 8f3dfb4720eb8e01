// The chat client's text as its callback delivers it, padding and all: what
// the card keeps is a start of it with no line break at its end.
#include "chat/chat_connection.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  const std::wstring delivered = fuzz::WideTextOf(data, size);
  chat::SleepingRepeatPause pause;
  chat::ChatConnection connection(nullptr, L"slotscard", pause);
  connection.DapiTextCallback(delivered);
  const std::wstring kept = connection.DapiText().WholeText();
  fuzz::Require(delivered.starts_with(kept));
  fuzz::Require(!kept.ends_with(L"\r\n"));
  connection.DapiStatusCallback(delivered);
  fuzz::Require(connection.DapiStatus() == delivered);
  return 0;
}
