#pragma once

#include "chat/chat_library.h"

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chat/chat_connection.h"

namespace slots::chat::testing {

// Pauses at once; its clock moves only by the pauses asked for and by what
// a test adds to `elapsed`.
class NoPause final : public RepeatPause {
public:
  std::chrono::milliseconds total{0};
  std::chrono::milliseconds elapsed{0};
  std::vector<std::chrono::milliseconds> pauses;
  // What the window does while a request waits, as a player's typing.
  std::function<void()> duringPause = [] {};
  void Pause(std::chrono::milliseconds duration) override {
    duringPause();
    total += duration;
    elapsed += duration;
    pauses.push_back(duration);
  }
  std::chrono::steady_clock::time_point Now() const override {
    return std::chrono::steady_clock::time_point(elapsed);
  }
};

// A chat library that answers each request with the next scripted status
// (nullopt: no status at all) and records what it was asked.
class ScriptedChatLibrary final : public ChatLibrary {
public:
  struct Call {
    std::wstring kind;
    std::wstring user;
    std::wstring text;
  };

  std::deque<std::optional<std::wstring>> statuses;
  std::optional<std::wstring> statusWhenScriptEnds = L"0";
  std::wstring chatText;
  std::int16_t initResult = 0;
  std::vector<Call> calls;
  ChatCallbacks *callbacks = nullptr;
  // Each request call moves this clock on by callCost, as a slow library.
  NoPause *clock = nullptr;
  std::chrono::milliseconds callCost{0};

  std::int16_t InitDDE(const std::wstring &applicationName,
                       ChatCallbacks &cb) override {
    callbacks = &cb;
    calls.push_back({L"InitDDE", {}, applicationName});
    return initResult;
  }
  void KillDDE() override { calls.push_back({L"KillDDE", {}, {}}); }
  void DapiRegister(const std::wstring &) override {
    calls.push_back({L"DapiRegister", {}, {}});
  }
  void DapiCommunicate(const std::wstring &, std::int16_t kind,
                       const std::wstring &user,
                       const std::wstring &text) override {
    calls.push_back({L"DapiCommunicate" + std::to_wstring(kind), user, text});
    ReportStatus();
  }
  void DapiGetAllText(const std::wstring &) override {
    calls.push_back({L"DapiGetAllText", {}, {}});
    callbacks->DapiTextCallback(chatText);
    ReportStatus();
  }

  std::vector<std::wstring> CallKinds() const {
    std::vector<std::wstring> kinds;
    for (const Call &call : calls)
      kinds.push_back(call.kind);
    return kinds;
  }

  int CountCalls(std::wstring_view kind) const {
    int count = 0;
    for (const Call &call : calls)
      count += call.kind == kind ? 1 : 0;
    return count;
  }

private:
  void ReportStatus() {
    if (clock != nullptr)
      clock->elapsed += callCost;
    std::optional<std::wstring> status = statusWhenScriptEnds;
    if (!statuses.empty()) {
      status = statuses.front();
      statuses.pop_front();
    }
    if (status)
      callbacks->DapiStatusCallback(*status);
  }
};

} // namespace slots::chat::testing
