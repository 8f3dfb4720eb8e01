#include "game/game_line_filters.h"

#include "chat/chat_line_grammar.h"

#include <string>

namespace slots::game {
namespace {

bool IsFilteredByHost(const CardModel &model) {
  return model.options.onlyMyMachinekeeper && !model.hostName.empty();
}

bool IsReceivedFrom(std::wstring_view line, const std::wstring &host) {
  const auto received = chat::ParseReceivedPrivateLine(line);
  return received && received->sender == host;
}

} // namespace

chat::LineFilter SpinLinesFrom(const CardModel &model) {
  if (!IsFilteredByHost(model)) {
    return chat::AnyLine;
  }
  return [host = model.hostName](std::wstring_view line) {
    return IsReceivedFrom(line, host);
  };
}

chat::LineFilter AnnouncementsFrom(const CardModel &model) {
  if (!IsFilteredByHost(model)) {
    return chat::AnyLine;
  }
  return [host = model.hostName](std::wstring_view line) {
    return chat::SpeakerOfLine(line) == host || IsReceivedFrom(line, host);
  };
}

} // namespace slots::game
