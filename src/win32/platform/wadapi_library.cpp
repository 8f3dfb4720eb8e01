#include "win32/platform/wadapi_library.h"

#include "win32/platform/code_page_text.h"
#include "win32/platform/module_handle.h"

#include <windows.h>

#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

namespace slots::win32 {

namespace {

// The library's calling convention: stdcall, 8-bit texts, 16-bit integers.
using StatusCallback = void(__stdcall *)(const char *status);
using MessageCallback = void(__stdcall *)(const char *first, short number,
                                          const char *second);
using TextCallback = void(__stdcall *)(const char *text);

using InitDDEFunction = short(__stdcall *)(const char *, StatusCallback,
                                           MessageCallback, TextCallback);
using KillDDEFunction = void(__stdcall *)();
using DapiRegisterFunction = void(__stdcall *)(const char *);
using DapiCommunicateFunction = void(__stdcall *)(const char *, short,
                                                  const char *, const char *);
using DapiGetAllTextFunction = void(__stdcall *)(const char *);

// The library's callbacks carry no context, and a process has one chat link.
chat::ChatCallbacks *activeCallbacks = nullptr;

// What the library reports when a request is abandoned.
constexpr wchar_t kGiveUpStatus[] = L"-1";

std::wstring WideFromLibraryText(const char *text) {
  return text == nullptr ? std::wstring() : WideFromSystemCodePage(text);
}

// Set when a callback failed during the library call now running.
bool callbackFailed = false;

// The closed library cannot unwind an exception: one that left a callback
// would end the card without saving. It stops here, and the request it
// belonged to is dropped once the library call returns.
template <typename Deliver> void DeliverToCallbacks(Deliver deliver) noexcept {
  if (activeCallbacks == nullptr)
    return;
  try {
    deliver(*activeCallbacks);
  } catch (...) {
    callbackFailed = true;
  }
}

// Runs one library call; if a callback failed in it, the last word is the
// status that abandons the request, whatever the library reported after.
template <typename Call> void RunRequestCall(Call call) {
  callbackFailed = false;
  call();
  if (callbackFailed)
    DeliverToCallbacks([](chat::ChatCallbacks &callbacks) {
      callbacks.DapiStatusCallback(kGiveUpStatus);
    });
  callbackFailed = false;
}

void __stdcall OnStatus(const char *status) noexcept {
  DeliverToCallbacks([&](chat::ChatCallbacks &callbacks) {
    callbacks.DapiStatusCallback(WideFromLibraryText(status));
  });
}

void __stdcall OnMessage(const char *first, short number,
                         const char *second) noexcept {
  DeliverToCallbacks([&](chat::ChatCallbacks &callbacks) {
    callbacks.DapiMessageCallback(WideFromLibraryText(first), number,
                                  WideFromLibraryText(second));
  });
}

// The text stays in the library's bytes: the card decodes only the lines it
// reads.
void __stdcall OnText(const char *text) noexcept {
  DeliverToCallbacks([&](chat::ChatCallbacks &callbacks) {
    callbacks.DapiTextCallback(text == nullptr ? std::string() : text,
                               SystemCodePageDecoder());
  });
}

// On i386 the calling convention is part of a function's type, and a
// mismatch at this boundary corrupts the stack only once the library runs.
// Each type is checked against its own spelling here, so losing __stdcall
// anywhere above fails the 32-bit build. (64-bit Windows has one convention.)
#if defined(__i386__)
static_assert(std::is_same_v<StatusCallback, void(__stdcall *)(const char *)>);
static_assert(!std::is_same_v<StatusCallback, void (*)(const char *)>);
static_assert(
    std::is_same_v<MessageCallback,
                   void(__stdcall *)(const char *, short, const char *)>);
static_assert(std::is_same_v<TextCallback, void(__stdcall *)(const char *)>);
static_assert(
    std::is_same_v<InitDDEFunction,
                   short(__stdcall *)(const char *, StatusCallback,
                                      MessageCallback, TextCallback)>);
static_assert(std::is_same_v<KillDDEFunction, void(__stdcall *)()>);
static_assert(!std::is_same_v<KillDDEFunction, void (*)()>);
static_assert(
    std::is_same_v<DapiRegisterFunction, void(__stdcall *)(const char *)>);
static_assert(std::is_same_v<DapiCommunicateFunction,
                             void(__stdcall *)(const char *, short,
                                               const char *, const char *)>);
static_assert(
    std::is_same_v<DapiGetAllTextFunction, void(__stdcall *)(const char *)>);
// The callbacks handed to the library, exactly as its types declare them.
static_assert(std::is_same_v<decltype(&OnStatus),
                             void(__stdcall *)(const char *) noexcept>);
static_assert(std::is_same_v<decltype(&OnMessage),
                             void(__stdcall *)(const char *, short,
                                               const char *) noexcept>);
static_assert(std::is_same_v<decltype(&OnText),
                             void(__stdcall *)(const char *) noexcept>);
#endif

class WadapiLibrary final : public chat::ChatLibrary {
public:
  explicit WadapiLibrary(ModuleHandle module) : module_(std::move(module)) {
    initDDE_ = FindExport<InitDDEFunction>(module_.get(), "InitDDE");
    killDDE_ = FindExport<KillDDEFunction>(module_.get(), "KillDDE");
    register_ = FindExport<DapiRegisterFunction>(module_.get(), "DapiRegister");
    communicate_ =
        FindExport<DapiCommunicateFunction>(module_.get(), "DapiCommunicate");
    getAllText_ =
        FindExport<DapiGetAllTextFunction>(module_.get(), "DapiGetAllText");
  }

  ~WadapiLibrary() override { ForgetCallbacks(); }

  bool HasEveryExport() const {
    return initDDE_ && killDDE_ && register_ && communicate_ && getAllText_;
  }

  std::int16_t InitDDE(const std::wstring &applicationName,
                       chat::ChatCallbacks &callbacks) override {
    callbacks_ = &callbacks;
    activeCallbacks = &callbacks;
    const std::int16_t result =
        initDDE_(SystemCodePageFromWide(applicationName).c_str(), OnStatus,
                 OnMessage, OnText);
    // A link that failed to open must not reach callbacks that may go away.
    if (result != 0)
      ForgetCallbacks();
    return result;
  }

  // The library may still report while it closes; after that nothing of
  // the program is reachable through it.
  void KillDDE() override {
    killDDE_();
    ForgetCallbacks();
  }

  void DapiRegister(const std::wstring &applicationName) override {
    RunRequestCall(
        [&] { register_(SystemCodePageFromWide(applicationName).c_str()); });
  }

  void DapiCommunicate(const std::wstring &applicationName, std::int16_t kind,
                       const std::wstring &user,
                       const std::wstring &text) override {
    // A name that the code page cannot hold exactly could name someone else:
    // the message is not sent at all.
    const std::optional<std::string> exactUser =
        ExactSystemCodePageFromWide(user);
    if (!exactUser) {
      DeliverToCallbacks([](chat::ChatCallbacks &callbacks) {
        callbacks.DapiStatusCallback(kGiveUpStatus);
      });
      return;
    }
    RunRequestCall([&] {
      communicate_(SystemCodePageFromWide(applicationName).c_str(), kind,
                   exactUser->c_str(), SystemCodePageFromWide(text).c_str());
    });
  }

  void DapiGetAllText(const std::wstring &applicationName) override {
    RunRequestCall(
        [&] { getAllText_(SystemCodePageFromWide(applicationName).c_str()); });
  }

private:
  void ForgetCallbacks() {
    if (activeCallbacks == callbacks_)
      activeCallbacks = nullptr;
    callbacks_ = nullptr;
  }

  ModuleHandle module_;
  chat::ChatCallbacks *callbacks_ = nullptr;
  InitDDEFunction initDDE_ = nullptr;
  KillDDEFunction killDDE_ = nullptr;
  DapiRegisterFunction register_ = nullptr;
  DapiCommunicateFunction communicate_ = nullptr;
  DapiGetAllTextFunction getAllText_ = nullptr;
};

// What the library itself imports comes from its own folder or the system
// folder only, never from the current folder or the search path.
HMODULE LoadChatLibraryModule(const std::filesystem::path &fullPath) {
  HMODULE module = LoadLibraryExW(fullPath.c_str(), nullptr,
                                  LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR |
                                      LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Systems that predate these flags refuse them as an invalid parameter.
  if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER)
    module = LoadLibraryExW(fullPath.c_str(), nullptr,
                            LOAD_WITH_ALTERED_SEARCH_PATH);
  return module;
}

} // namespace

std::unique_ptr<chat::ChatLibrary>
LoadWadapiLibrary(const std::filesystem::path &dllPath) {
  std::error_code noFullPath;
  const std::filesystem::path fullPath =
      std::filesystem::absolute(dllPath, noFullPath);
  if (noFullPath)
    return nullptr;
  // A missing or broken library must not bring up an error box.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  ModuleHandle module(LoadChatLibraryModule(fullPath));
  SetErrorMode(previousMode);
  if (!module)
    return nullptr;
  auto library = std::make_unique<WadapiLibrary>(std::move(module));
  if (!library->HasEveryExport())
    return nullptr;
  return library;
}

} // namespace slots::win32
