#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slots::chat {

// Speaker of a public line: everything before the first ": ", or empty when
// the line has none.
std::wstring SpeakerOfLine(std::wstring_view line);

struct ReceivedPrivateLine {
  std::wstring sender;
  std::wstring message;
};

// "ESP from" <any char> sender ": " message. Empty when the line does not
// start with "ESP from" or has no ": " after the sender.
std::optional<ReceivedPrivateLine>
ParseReceivedPrivateLine(std::wstring_view line);

// Who said the line: the sender of a received private line, else the
// speaker of a public one.
std::wstring AuthorOfLine(std::wstring_view line);

// The player's own private message as the chat client echoes it.
bool IsSentPrivateLine(std::wstring_view line);

// A private line, received or sent, whether or not it can be taken apart;
// any other line was said in public.
bool IsPrivateLine(std::wstring_view line);

struct KeywordMessage {
  std::wstring keyword;
  std::wstring payload;
};

// keyword ":" payload. Empty when the message has no ":".
std::optional<KeywordMessage> ParseKeywordMessage(std::wstring_view message);

} // namespace slots::chat
