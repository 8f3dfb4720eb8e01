// A stand-in for the chat client's library, for tests only: it serves a chat
// text from a file, answers requests with scripted status codes and records
// every call. Its files live in the folder that holds the DLL.
//
// It can also misbehave as a faulty library might, switched by files read at
// every request so a test can start and end a fault while the card runs:
// - standin_status.txt, re-read whenever it changes: one status a line,
//   "none" for no status callback, "empty" for an empty status, "X..." for
//   X forever;
// - standin_callbacks.txt: "none" calls no callback at all, "text-twice"
//   hands over the chat text twice, "text-null" hands over a null pointer.
// Built with STANDIN_WITHOUT_DAPI_GET_ALL_TEXT it lacks that export.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using StatusCallback = void(__stdcall *)(const char *);
using MessageCallback = void(__stdcall *)(const char *, short, const char *);
using TextCallback = void(__stdcall *)(const char *);

HMODULE thisModule = nullptr;
StatusCallback statusCallback = nullptr;
MessageCallback messageCallback = nullptr;
TextCallback textCallback = nullptr;
std::string statusScriptText;
std::vector<std::string> statusScript;
std::size_t nextStatus = 0;

std::string FixturePath(const char *fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(thisModule, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + fileName;
}

// In one read: a chat text of many megabytes must cost the card's click
// little time here.
std::string ReadFixture(const char *fileName) {
  std::ifstream file(FixturePath(fileName), std::ios::binary | std::ios::ate);
  if (!file)
    return {};
  std::string content(static_cast<std::size_t>(file.tellg()), '\0');
  file.seekg(0);
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  return content;
}

void RecordCall(const std::string &line) {
  std::ofstream file(FixturePath("standin_calls.txt"),
                     std::ios::binary | std::ios::app);
  file << line << "\n" << std::flush;
}

void LoadStatusScript(std::string text) {
  statusScriptText = std::move(text);
  statusScript.clear();
  nextStatus = 0;
  std::istringstream lines(statusScriptText);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty())
      statusScript.push_back(line);
  }
}

void ReloadChangedStatusScript() {
  std::string text = ReadFixture("standin_status.txt");
  if (text != statusScriptText)
    LoadStatusScript(std::move(text));
}

// An optimised library keeps no frame pointer, so a callback compiled with
// another calling convention, which leaves the stack unbalanced, brings it
// down. The stand-in's own frames would put the stack right and hide that:
// it checks instead, and fails the same way.
template <typename Callback, typename... Arguments>
void CallBack(Callback callback, Arguments... arguments) {
#if defined(__i386__)
  std::uintptr_t before = 0;
  std::uintptr_t after = 0;
  asm volatile("movl %%esp, %0" : "=r"(before) : : "memory");
  callback(arguments...);
  asm volatile("movl %%esp, %0" : "=r"(after) : : "memory");
  if (before != after) {
    RecordCall("unbalanced stack after a callback");
    __builtin_trap();
  }
#else
  callback(arguments...);
#endif
}

void ReportNextStatus() {
  ReloadChangedStatusScript();
  std::string status = "0";
  if (nextStatus < statusScript.size()) {
    status = statusScript[nextStatus];
    const std::size_t forever = status.find("...");
    if (forever != std::string::npos)
      status.resize(forever);
    else
      ++nextStatus;
  }
  if (status == "empty")
    status.clear();
  if (status != "none" && statusCallback != nullptr)
    CallBack(statusCallback, status.c_str());
}

#ifndef STANDIN_WITHOUT_DAPI_GET_ALL_TEXT
// A chat client holds its text in memory: the file is read again only when
// it has changed, so a text of many megabytes costs the card's click only
// what the card itself does with it.
const std::string &ChatText() {
  static std::string text;
  static ULONGLONG textSize = 0;
  static FILETIME textWritten{};
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (!GetFileAttributesExA(FixturePath("standin_chat.txt").c_str(),
                            GetFileExInfoStandard, &file)) {
    text.clear();
    textSize = 0;
    return text;
  }
  const ULONGLONG size =
      (static_cast<ULONGLONG>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
  if (size != textSize ||
      CompareFileTime(&file.ftLastWriteTime, &textWritten) != 0) {
    text = ReadFixture("standin_chat.txt");
    textSize = size;
    textWritten = file.ftLastWriteTime;
  }
  return text;
}
#endif

enum class CallbackFault { None, NoCallbacks, TextTwice, NullText };

CallbackFault ReadCallbackFault() {
  std::string word = ReadFixture("standin_callbacks.txt");
  while (!word.empty() && (word.back() == '\n' || word.back() == '\r'))
    word.pop_back();
  if (word == "none")
    return CallbackFault::NoCallbacks;
  if (word == "text-twice")
    return CallbackFault::TextTwice;
  if (word == "text-null")
    return CallbackFault::NullText;
  return CallbackFault::None;
}

} // namespace

extern "C" {

__declspec(dllexport) short __stdcall InitDDE(const char *applicationName,
                                              StatusCallback onStatus,
                                              MessageCallback onMessage,
                                              TextCallback onText) {
  statusCallback = onStatus;
  messageCallback = onMessage;
  textCallback = onText;
  LoadStatusScript(ReadFixture("standin_status.txt"));
  RecordCall(std::string("InitDDE\t") + applicationName);
  const std::string result = ReadFixture("standin_init_result.txt");
  return result.empty() ? 0 : static_cast<short>(std::stoi(result));
}

// With "standin_keeps_callbacks.txt" present the stand-in behaves like a
// careless library that goes on calling after KillDDE.
__declspec(dllexport) short __stdcall KillDDE() {
  RecordCall("KillDDE");
  if (GetFileAttributesA(FixturePath("standin_keeps_callbacks.txt").c_str()) !=
      INVALID_FILE_ATTRIBUTES)
    return 0;
  statusCallback = nullptr;
  messageCallback = nullptr;
  textCallback = nullptr;
  return 0;
}

__declspec(dllexport) short __stdcall DapiRegister(
    const char *applicationName) {
  RecordCall(std::string("DapiRegister\t") + applicationName);
  return 0;
}

__declspec(dllexport) short __stdcall DapiCommunicate(
    const char *applicationName, short kind, const char *user,
    const char *text) {
  RecordCall(std::string("DapiCommunicate\t") + applicationName + "\t" +
             std::to_string(kind) + "\t" + user + "\t" + text);
  if (ReadCallbackFault() == CallbackFault::NoCallbacks)
    return 0;
  if (messageCallback != nullptr)
    CallBack(messageCallback, "standin", static_cast<short>(7), "message");
  ReportNextStatus();
  return 0;
}

#ifndef STANDIN_WITHOUT_DAPI_GET_ALL_TEXT
__declspec(dllexport) short __stdcall DapiGetAllText(
    const char *applicationName) {
  RecordCall(std::string("DapiGetAllText\t") + applicationName);
  const CallbackFault fault = ReadCallbackFault();
  if (fault == CallbackFault::NoCallbacks)
    return 0;
  const std::string &chat = ChatText();
  if (textCallback != nullptr) {
    CallBack(textCallback,
             fault == CallbackFault::NullText ? nullptr : chat.c_str());
    if (fault == CallbackFault::TextTwice)
      CallBack(textCallback, chat.c_str());
  }
  ReportNextStatus();
  return 0;
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    thisModule = instance;
  return TRUE;
}

} // extern "C"
