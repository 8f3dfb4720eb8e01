#include "chat/chat_line_grammar.h"

#include <utility>

namespace slots::chat {

namespace {

constexpr std::wstring_view kSpeakerEnd = L": ";
constexpr std::wstring_view kReceivedPrefix = L"ESP from";
constexpr std::wstring_view kSentPrefix = L"ESP to";
// "ESP from" and the separating character that is skipped unchecked.
constexpr std::size_t kSenderStart = kReceivedPrefix.size() + 1;

} // namespace

std::wstring SpeakerOfLine(std::wstring_view line) {
  const std::size_t end = line.find(kSpeakerEnd);
  if (end == std::wstring_view::npos)
    return {};
  return std::wstring(line.substr(0, end));
}

std::optional<ReceivedPrivateLine>
ParseReceivedPrivateLine(std::wstring_view line) {
  if (!line.starts_with(kReceivedPrefix))
    return std::nullopt;
  const std::wstring_view rest =
      line.size() > kSenderStart ? line.substr(kSenderStart) : L"";
  const std::size_t senderEnd = rest.find(kSpeakerEnd);
  if (senderEnd == std::wstring_view::npos)
    return std::nullopt;
  return ReceivedPrivateLine{
      std::wstring(rest.substr(0, senderEnd)),
      std::wstring(rest.substr(senderEnd + kSpeakerEnd.size()))};
}

std::wstring AuthorOfLine(std::wstring_view line) {
  if (auto received = ParseReceivedPrivateLine(line)) {
    return std::move(received->sender);
  }
  return SpeakerOfLine(line);
}

bool IsSentPrivateLine(std::wstring_view line) {
  return line.starts_with(kSentPrefix);
}

bool IsPrivateLine(std::wstring_view line) {
  return line.starts_with(kReceivedPrefix) || IsSentPrivateLine(line);
}

std::optional<KeywordMessage> ParseKeywordMessage(std::wstring_view message) {
  const std::size_t colon = message.find(L':');
  if (colon == std::wstring_view::npos)
    return std::nullopt;
  return KeywordMessage{std::wstring(message.substr(0, colon)),
                        std::wstring(message.substr(colon + 1))};
}

} // namespace slots::chat
