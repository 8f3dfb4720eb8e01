#pragma once

#include "chat/chat_text_decoder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace slots::chat {

// What the chat library reports back while one of its requests runs. The
// library calls these on the calling thread, before the request returns.
// The whole chat text is handed over, not lent: it can run to many megabytes,
// and taking it spares a second copy.
class ChatCallbacks {
public:
  virtual ~ChatCallbacks() = default;
  virtual void DapiStatusCallback(std::wstring_view status) = 0;
  virtual void DapiMessageCallback(std::wstring_view first, std::int16_t number,
                                   std::wstring_view second) = 0;
  virtual void DapiTextCallback(std::wstring text) = 0;
  // The text as the library's bytes, with what reads them (it outlives the
  // link). By default decoded whole and taken as above.
  virtual void DapiTextCallback(std::string bytes,
                                const ChatTextDecoder &decoder) {
    std::wstring text;
    decoder.AppendDecoded(bytes, text);
    DapiTextCallback(std::move(text));
  }
};

// The chat client's library (wadapi.dll on Windows). Results other than
// InitDDE's are meaningless and not returned.
class ChatLibrary {
public:
  virtual ~ChatLibrary() = default;
  // 0 means the link is set up.
  virtual std::int16_t InitDDE(const std::wstring &applicationName,
                               ChatCallbacks &callbacks) = 0;
  virtual void KillDDE() = 0;
  virtual void DapiRegister(const std::wstring &applicationName) = 0;
  virtual void DapiCommunicate(const std::wstring &applicationName,
                               std::int16_t kind, const std::wstring &user,
                               const std::wstring &text) = 0;
  virtual void DapiGetAllText(const std::wstring &applicationName) = 0;
};

// Request kind for a private (ESP) message to one user.
inline constexpr std::int32_t kPrivateMessageKind = 2;

} // namespace slots::chat
