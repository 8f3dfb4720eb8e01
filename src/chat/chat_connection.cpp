#include "chat/chat_connection.h"

#include "chat/chat_text_scan.h"
#include "chat/wide_text_scan.h"

#include <thread>
#include <utility>

namespace slots::chat {

namespace {

enum class StatusVerdict { Done, Repeat, RegisterThenRepeat, GiveUp };

StatusVerdict JudgeStatus(std::wstring_view status) {
  if (status.empty() || status == L"0")
    return StatusVerdict::Done;
  if (status == L"-1")
    return StatusVerdict::GiveUp;
  if (status == L"10")
    return StatusVerdict::RegisterThenRepeat;
  // "6" is busy; anything unknown is treated the same way.
  return StatusVerdict::Repeat;
}

} // namespace

void SleepingRepeatPause::Pause(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

ChatConnection::ChatConnection(ChatLibrary *library,
                               std::wstring applicationName, RepeatPause &pause)
    : library_(library), applicationName_(std::move(applicationName)),
      pause_(pause) {}

ChatConnection::~ChatConnection() { CloseLink(); }

ChatConnection::Click::Click(ChatConnection &connection)
    : connection_(connection) {
  connection_.inClick_ = true;
  connection_.clickSpent_ = {};
}

ChatConnection::Click::~Click() { connection_.inClick_ = false; }

bool ChatConnection::ClickBudgetAllows(
    std::chrono::steady_clock::duration spentByRequest,
    std::chrono::milliseconds nextPause) const {
  return !inClick_ || clickSpent_ + spentByRequest + nextPause < kClickBudget;
}

bool ChatConnection::OpenLink() {
  if (library_ == nullptr || linkOpen_)
    return linkOpen_;
  linkOpen_ = library_->InitDDE(applicationName_, *this) == 0;
  return linkOpen_;
}

void ChatConnection::CloseLink() {
  if (!linkOpen_)
    return;
  linkOpen_ = false;
  library_->KillDDE();
}

template <typename Request> void ChatConnection::RunRequest(Request request) {
  if (!linkOpen_)
    return;
  // A "6" or "10" left over from an earlier request must not make this one
  // repeat when the library reports nothing.
  dapiStatus_.clear();
  const auto started = pause_.Now();
  for (int call = 1;; ++call) {
    request();
    const StatusVerdict verdict = JudgeStatus(dapiStatus_);
    if (verdict == StatusVerdict::Done || verdict == StatusVerdict::GiveUp)
      break;
    // A chat client that never stops asking for a repeat must not freeze the
    // card: give up quietly, as on "-1".
    const auto nextPause = verdict == StatusVerdict::Repeat
                               ? kRepeatPause
                               : std::chrono::milliseconds{0};
    if (call == kMaxCallsPerRequest ||
        !ClickBudgetAllows(pause_.Now() - started, nextPause))
      break;
    // "10" repeats at once, but the window still gets to paint and answer
    // between the calls.
    if (verdict == StatusVerdict::RegisterThenRepeat)
      library_->DapiRegister(applicationName_);
    pause_.Pause(nextPause);
  }
  clickSpent_ += pause_.Now() - started;
}

void ChatConnection::ChatSend(std::int32_t kind, std::wstring user,
                              std::wstring text) {
  const auto libraryKind = static_cast<std::int16_t>(kind);
  RunRequest([&] {
    library_->DapiCommunicate(applicationName_, libraryKind, user, text);
  });
}

void ChatConnection::ChatGetAllText() {
  RunRequest([&] { library_->DapiGetAllText(applicationName_); });
}

void ChatConnection::DapiStatusCallback(std::wstring_view status) {
  dapiStatus_ = status;
}

void ChatConnection::DapiMessageCallback(std::wstring_view first,
                                         std::int16_t number,
                                         std::wstring_view second) {
  dapiLastMessage_ = {std::wstring(first), number, std::wstring(second)};
}

void ChatConnection::DapiTextCallback(std::wstring text) {
  // The chat client pads its text after a NUL: the NUL, what follows it and
  // the four characters before it are not chat.
  const std::size_t nul = FindFirstNul(text);
  if (nul != std::wstring::npos && nul + 1 > 5)
    text.resize(nul + 1 - 5);
  std::size_t length = text.size();
  while (std::wstring_view(text.data(), length).ends_with(kLineBreakPair))
    length -= kLineBreakPair.size();
  text.resize(length);
  dapiText_ = ChatText(std::move(text));
}

void ChatConnection::DapiTextCallback(std::string bytes,
                                      const ChatTextDecoder &decoder) {
  // Padding is counted in characters: a text that has any is decoded whole.
  if (bytes.find('\0') != std::string::npos) {
    ChatCallbacks::DapiTextCallback(std::move(bytes), decoder);
    return;
  }
  std::size_t length = bytes.size();
  while (length >= kLineBreakPair.size() &&
         FindLastLineBreak(bytes, length, decoder) ==
             length - kLineBreakPair.size())
    length -= kLineBreakPair.size();
  bytes.resize(length);
  dapiText_ = ChatText(std::move(bytes), decoder);
}

} // namespace slots::chat
