// Reads any bytes tail first and as one whole conversion, in code page 1252
// or 932 as the first byte chooses: every line, its order and text, every
// marker walk's stops and line counts, and the kept text must agree.
#include "chat/iconv_text_decoder.h"
#include "chat/tail_first_comparison.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Markers whose letters can be second bytes in code page 932, and one that
// no byte search can propose, so its walk reads line by line.
const std::wstring_view kMarkerSets[][3] = {
    {L"FIRST:", L"FINAL:", L"Payouts:"},
    {L"\u8868FINAL:", L"Your machinekeeper is ", L"[\\]"},
    {L"FIRST:", L"\u8868", L"qmerror"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  using namespace slots;
  static const testing::IconvTextDecoder cp1252("CP1252");
  static const testing::IconvTextDecoder cp932("CP932");
  if (size == 0)
    return 0;
  const std::uint8_t choice = data[0];
  const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
  const auto &decoder = choice & 1 ? cp932 : cp1252;
  const auto &markers = kMarkerSets[(choice >> 1) % std::size(kMarkerSets)];
  fuzz::Require(
      testing::CompareTailFirstReading(text, decoder, markers).empty());
  return 0;
}
