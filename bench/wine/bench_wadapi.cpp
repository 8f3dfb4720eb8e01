// A stand-in for the chat client's library, for the Wine benchmark only: it
// serves one generated chat text of SLOTS_BENCH_CHAT_BYTES bytes in
// Windows-1252. The machinekeeper's lines are the oldest, so every walk back
// from the newest line covers the whole text. Every request is answered
// "done".
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using StatusCallback = void(__stdcall *)(const char *);
using MessageCallback = void(__stdcall *)(const char *, short, const char *);
using TextCallback = void(__stdcall *)(const char *);

constexpr std::size_t kDefaultChatBytes = 1 << 20;

constexpr std::string_view kOldestLines =
    "Dealer: Your machinekeeper is Dealer\r\n"
    "Dealer: Amount of credits you get: 250\r\n"
    "Dealer: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16\r\n"
    "ESP from Dealer: FIRST:R1 01R2 02R3 03:\r\n"
    "ESP to Dealer: I hold 1,0,1\r\n"
    "ESP from Dealer: FINAL:R1 01R2 01R3 01:C=250;";
// Public chatter with the accented letters of Windows-1252.
constexpr std::string_view kChatter =
    "\r\nAm\xe9lie: na\xefve caf\xe9 talk about the weather, and you?";

StatusCallback statusCallback = nullptr;
TextCallback textCallback = nullptr;
char *chatText = nullptr;

std::size_t ChatBytesWanted() {
  char value[32] = {};
  const DWORD length =
      GetEnvironmentVariableA("SLOTS_BENCH_CHAT_BYTES", value, sizeof(value));
  if (length == 0 || length >= sizeof(value))
    return kDefaultChatBytes;
  const std::size_t bytes = std::strtoull(value, nullptr, 10);
  return bytes < kOldestLines.size() ? kOldestLines.size() : bytes;
}

// Written straight into the one buffer it is served from, so the library
// holds the text once, as the chat client's window does.
void MakeChatText() {
  const std::size_t bytes = ChatBytesWanted();
  chatText = static_cast<char *>(std::malloc(bytes + 1));
  if (chatText == nullptr)
    return;
  std::memcpy(chatText, kOldestLines.data(), kOldestLines.size());
  std::size_t end = kOldestLines.size();
  while (end < bytes) {
    const std::size_t part =
        end + kChatter.size() <= bytes ? kChatter.size() : bytes - end;
    std::memcpy(chatText + end, kChatter.data(), part);
    end += part;
  }
  chatText[end] = '\0';
}

void ReportDone() {
  if (statusCallback != nullptr)
    statusCallback("0");
}

} // namespace

extern "C" {

__declspec(dllexport) short __stdcall InitDDE(const char *,
                                              StatusCallback status,
                                              MessageCallback,
                                              TextCallback text) {
  statusCallback = status;
  textCallback = text;
  if (chatText == nullptr)
    MakeChatText();
  return 0;
}

__declspec(dllexport) void __stdcall KillDDE() {}

__declspec(dllexport) void __stdcall DapiRegister(const char *) {}

__declspec(dllexport) void __stdcall DapiCommunicate(const char *, short,
                                                     const char *,
                                                     const char *) {
  ReportDone();
}

__declspec(dllexport) void __stdcall DapiGetAllText(const char *) {
  if (textCallback != nullptr && chatText != nullptr)
    textCallback(chatText);
  ReportDone();
}
}
