#pragma once

#include "chat/chat_library.h"
#include "chat/chat_text.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace slots::chat {

// Waits between repeats of a request the chat client asked to be repeated,
// and tells the time those waits are measured in. A pause of zero waits for
// nothing but still lets the window paint.
class RepeatPause {
public:
  virtual ~RepeatPause() = default;
  virtual void Pause(std::chrono::milliseconds duration) = 0;
  virtual std::chrono::steady_clock::time_point Now() const {
    return std::chrono::steady_clock::now();
  }
};

// Sleeps on the calling thread: the chat client needs the pause to finish
// what it is busy with.
class SleepingRepeatPause final : public RepeatPause {
public:
  void Pause(std::chrono::milliseconds duration) override;
};

struct LastMessage {
  std::wstring first;
  std::int16_t number = 0;
  std::wstring second;
};

// The program's side of the chat link: the three callbacks and the two
// requests. A request repeats while the chat client answers "busy", but only
// a bounded number of times, so an answer that never changes cannot freeze
// the card. Requests reach the library only while the link is open, and the
// link is closed before the connection goes: the library keeps its callbacks
// until KillDDE.
class ChatConnection final : public ChatCallbacks {
public:
  // Library calls per request, the first one included.
  static constexpr int kMaxCallsPerRequest = 40;
  static constexpr std::chrono::milliseconds kRepeatPause{50};
  // Time all the requests of one click may spend in the chat library and
  // its waits before they stop repeating: well under the 5 s after which
  // Windows calls a window "Not Responding".
  static constexpr std::chrono::milliseconds kClickBudget{2000};

  // The requests of one click share one budget; a player's answer to a
  // question in between does not count against it.
  class Click {
  public:
    explicit Click(ChatConnection &connection);
    ~Click();
    Click(const Click &) = delete;
    Click &operator=(const Click &) = delete;

  private:
    ChatConnection &connection_;
  };

  // Without a library (no chat link) requests do nothing.
  ChatConnection(ChatLibrary *library, std::wstring applicationName,
                 RepeatPause &pause);
  ~ChatConnection() override;
  ChatConnection(const ChatConnection &) = delete;
  ChatConnection &operator=(const ChatConnection &) = delete;

  // Opens the link; false when there is no library or InitDDE fails.
  bool OpenLink();
  // Calls KillDDE once, and only on an open link.
  void CloseLink();
  bool IsLinkOpen() const { return linkOpen_; }

  // The user and the text are copied: while a busy request repeats, the
  // window goes on answering, and the player may edit the box they came from.
  void ChatSend(std::int32_t kind, std::wstring user, std::wstring text);
  void ChatGetAllText();

  void DapiStatusCallback(std::wstring_view status) override;
  void DapiMessageCallback(std::wstring_view first, std::int16_t number,
                           std::wstring_view second) override;
  void DapiTextCallback(std::wstring text) override;
  // Keeps the bytes as they came: lines are decoded only as walks reach them.
  void DapiTextCallback(std::string bytes,
                        const ChatTextDecoder &decoder) override;

  const std::wstring &DapiStatus() const { return dapiStatus_; }
  ChatText &DapiText() { return dapiText_; }
  const LastMessage &DapiLastMessage() const { return dapiLastMessage_; }
  const std::wstring &ApplicationName() const { return applicationName_; }

private:
  static constexpr std::wstring_view kLineBreakPair = L"\r\n";

  template <typename Request> void RunRequest(Request request);
  bool ClickBudgetAllows(std::chrono::steady_clock::duration spentByRequest,
                         std::chrono::milliseconds nextPause) const;

  ChatLibrary *library_;
  std::wstring applicationName_;
  RepeatPause &pause_;
  bool linkOpen_ = false;
  bool inClick_ = false;
  std::chrono::steady_clock::duration clickSpent_{};
  std::wstring dapiStatus_;
  ChatText dapiText_{std::wstring()};
  LastMessage dapiLastMessage_;
};

} // namespace slots::chat
