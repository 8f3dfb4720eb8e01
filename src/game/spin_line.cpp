#include "game/spin_line.h"

#include "chat/chat_line_grammar.h"
#include "game/reel_symbols.h"

namespace slots::game {
namespace {

constexpr std::array<std::size_t, kReelCount> kCodeOffsets = {3, 8, 13};
constexpr std::size_t kCodeWidth = 2;

std::wstring CutCode(std::wstring_view spinField, std::size_t offset) {
  if (offset >= spinField.size()) {
    return {};
  }
  return std::wstring(spinField.substr(offset, kCodeWidth));
}

} // namespace

std::optional<SpinLine> ParseSpinLine(std::wstring_view line,
                                      std::wstring_view keyword) {
  const auto privateLine = chat::ParseReceivedPrivateLine(line);
  if (!privateLine) {
    return std::nullopt;
  }
  const auto message = chat::ParseKeywordMessage(privateLine->message);
  if (!message || message->keyword != keyword) {
    return std::nullopt;
  }
  const std::wstring_view payload = message->payload;
  const std::size_t fieldEnd = payload.find(L':');
  if (fieldEnd == std::wstring_view::npos) {
    return std::nullopt;
  }
  const std::wstring_view spinField = payload.substr(0, fieldEnd);
  SpinLine spin;
  spin.sender = privateLine->sender;
  for (std::size_t reel = 0; reel < kReelCount; ++reel) {
    spin.codes[reel] = CutCode(spinField, kCodeOffsets[reel]);
  }
  spin.rest = payload.substr(fieldEnd + 1);
  return spin;
}

SpinSymbols ShowSpin(CardModel &model, const SpinLine &spin) {
  SpinSymbols shown{};
  for (std::int16_t reel = 1; reel <= kReelCount; ++reel) {
    const auto at = static_cast<std::size_t>(reel - 1);
    shown[at] = ShowReelSymbol(model, spin.codes[at], reel);
  }
  return shown;
}

bool OpensAGame(std::wstring_view line, const chat::LineFilter &isSpinLine) {
  return chat::LineContains(line, kFirstSpinMarker) &&
         chat::IsPrivateLine(line) && isSpinLine(line);
}

std::optional<SpinLine> GameSpinLine(std::wstring_view line,
                                     std::wstring_view keyword,
                                     const chat::LineFilter &isSpinLine) {
  auto spin = ParseSpinLine(line, keyword);
  if (!spin || !isSpinLine(line)) {
    return std::nullopt;
  }
  return spin;
}

} // namespace slots::game
