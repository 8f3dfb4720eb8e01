// A stand-in for the chat client's library, for tests only: it serves a chat
// text from a file, answers requests with scripted status codes and records
// every call. Its files live in the folder that holds the DLL.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using StatusCallback = void(__stdcall *)(const char *);
using MessageCallback = void(__stdcall *)(const char *, short, const char *);
using TextCallback = void(__stdcall *)(const char *);

HMODULE thisModule = nullptr;
StatusCallback statusCallback = nullptr;
MessageCallback messageCallback = nullptr;
TextCallback textCallback = nullptr;
std::vector<std::string> statusScript;
std::size_t nextStatus = 0;

std::string FixturePath(const char *fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(thisModule, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + fileName;
}

std::string ReadFixture(const char *fileName) {
  std::ifstream file(FixturePath(fileName), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void RecordCall(const std::string &line) {
  std::ofstream file(FixturePath("standin_calls.txt"),
                     std::ios::binary | std::ios::app);
  file << line << "\n" << std::flush;
}

void LoadStatusScript() {
  statusScript.clear();
  nextStatus = 0;
  std::istringstream lines(ReadFixture("standin_status.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty())
      statusScript.push_back(line);
  }
}

void ReportNextStatus() {
  std::string status = "0";
  if (nextStatus < statusScript.size()) {
    status = statusScript[nextStatus];
    const std::size_t forever = status.find("...");
    if (forever != std::string::npos)
      status.resize(forever);
    else
      ++nextStatus;
  }
  if (status != "none" && statusCallback != nullptr)
    statusCallback(status.c_str());
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
  LoadStatusScript();
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
  if (messageCallback != nullptr)
    messageCallback("standin", 7, "message");
  ReportNextStatus();
  return 0;
}

__declspec(dllexport) short __stdcall DapiGetAllText(
    const char *applicationName) {
  RecordCall(std::string("DapiGetAllText\t") + applicationName);
  const std::string chat = ReadFixture("standin_chat.txt");
  if (textCallback != nullptr)
    textCallback(chat.c_str());
  ReportNextStatus();
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    thisModule = instance;
  return TRUE;
}

} // extern "C"
