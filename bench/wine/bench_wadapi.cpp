// A stand-in for the chat client's library, for the Wine benchmark only: it
// serves a generated chat text of SLOTS_BENCH_CHAT_BYTES bytes in
// Windows-1252 and plays a machinekeeper just enough for a whole game: the
// registration brings the credits, the payout table and a first spin, the
// holds bring the final. SLOTS_BENCH_CHAT_LAYOUT puts the game's lines near
// the end of the chat ("end", as in an evening's chat) or at its top ("top",
// so every walk covers the whole text). BenchNewGame goes back to a chat
// that holds only the announcement. Every request is answered "done".
#include <windows.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using StatusCallback = void(__stdcall *)(const char *);
using MessageCallback = void(__stdcall *)(const char *, short, const char *);
using TextCallback = void(__stdcall *)(const char *);

constexpr std::size_t kDefaultChatBytes = 1 << 20;

// The game's lines, as each answer of the machinekeeper adds them.
constexpr std::string_view kAnnouncement =
    "Dealer: Your machinekeeper is Dealer";
constexpr std::string_view kRegistrationAnswer =
    "\r\nDealer: Amount of credits you get: 250"
    "\r\nDealer: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16"
    "\r\nESP from Dealer: FIRST:R1 01R2 02R3 03:";
constexpr std::string_view kHoldsAnswer =
    "\r\nESP to Dealer: I hold 1,0,1"
    "\r\nESP from Dealer: FINAL:R1 01R2 01R3 01:C=250;";
// Public chatter with the accented letters of Windows-1252.
constexpr std::string_view kChatter =
    "\r\nAm\xe9lie: na\xefve caf\xe9 talk about the weather, and you?";
// Lines of chatter after the game's lines in the "end" layout.
constexpr int kChatterAfterGame = 3;

enum Stage { kAnnounced, kDealt, kFinished, kStages };

StatusCallback statusCallback = nullptr;
TextCallback textCallback = nullptr;
// One whole chat text per stage of the game, made before the first request,
// so that no click pays for making them.
std::array<std::string, kStages> chatTexts;
Stage stage = kAnnounced;

std::string EnvironmentValue(const char *name) {
  char value[32] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
  return length == 0 || length >= sizeof(value) ? std::string() : value;
}

std::size_t ChatBytesWanted() {
  const std::string value = EnvironmentValue("SLOTS_BENCH_CHAT_BYTES");
  return value.empty() ? kDefaultChatBytes
                       : std::strtoull(value.c_str(), nullptr, 10);
}

// Appends chatter lines until the text has `bytes` bytes; a text that starts
// with chatter has no line break before its first line.
void AppendChatter(std::string &text, std::size_t bytes) {
  while (text.size() < bytes)
    text += text.empty() ? kChatter.substr(2) : kChatter;
}

// The game's lines at the top or near the end, chatter filling the rest.
// Made in place, with no copies: the process's peak memory is then what the
// clicks take, not what making the texts took.
std::string ChatText(std::string_view gameLines, std::size_t bytes,
                     bool linesAtTop) {
  std::string text;
  text.reserve(bytes + gameLines.size() + 4 * kChatter.size());
  if (linesAtTop) {
    text += gameLines;
    AppendChatter(text, bytes);
    return text;
  }
  const std::size_t after = kChatterAfterGame * kChatter.size();
  AppendChatter(text, bytes > gameLines.size() + after + 2
                          ? bytes - gameLines.size() - after - 2
                          : 0);
  text += "\r\n";
  text += gameLines;
  for (int line = 0; line < kChatterAfterGame; ++line)
    text += kChatter;
  return text;
}

void MakeChatTexts() {
  const std::size_t bytes = ChatBytesWanted();
  const bool linesAtTop = EnvironmentValue("SLOTS_BENCH_CHAT_LAYOUT") == "top";
  std::string gameLines(kAnnouncement);
  chatTexts[kAnnounced] = ChatText(gameLines, bytes, linesAtTop);
  gameLines += kRegistrationAnswer;
  chatTexts[kDealt] = ChatText(gameLines, bytes, linesAtTop);
  gameLines += kHoldsAnswer;
  chatTexts[kFinished] = ChatText(gameLines, bytes, linesAtTop);
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
  if (chatTexts[kAnnounced].empty())
    MakeChatTexts();
  return 0;
}

__declspec(dllexport) void __stdcall KillDDE() {}

__declspec(dllexport) void __stdcall DapiRegister(const char *) {}

__declspec(dllexport) void __stdcall DapiCommunicate(const char *, short,
                                                     const char *,
                                                     const char *text) {
  const bool holds = text != nullptr && std::strstr(text, "I hold") != nullptr;
  stage = holds ? kFinished : kDealt;
  ReportDone();
}

__declspec(dllexport) void __stdcall DapiGetAllText(const char *) {
  if (textCallback != nullptr)
    textCallback(chatTexts[stage].c_str());
  ReportDone();
}

__declspec(dllexport) void __stdcall BenchNewGame() { stage = kAnnounced; }
}
