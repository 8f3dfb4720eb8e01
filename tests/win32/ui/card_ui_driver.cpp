#include "card_ui_driver.h"

#include "win32/card/card_control_ids.h"
#include "win32/platform/screenshot_file.h"

#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

namespace slots::ui_test {
namespace {

constexpr wchar_t kCardExecutable[] = L"slotscard.exe";
constexpr wchar_t kStandInLibrary[] = STANDIN_WADAPI_DLL;
constexpr wchar_t kChatLibrary[] = L"wadapi.dll";

std::vector<std::string> SplitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SplitAtTabs(const std::string &line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos;
       tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256]{};
  GetClassNameW(window, name, 256);
  return name;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t *className;
  const std::wstring *caption;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM parameter) {
  auto &search = *reinterpret_cast<WindowSearch *>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window) &&
      ClassOf(window) == search.className &&
      (search.caption == nullptr || TextOf(window) == *search.caption)) {
    search.found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> FindTopWindows(DWORD processId, const wchar_t *className,
                                 const std::wstring *caption) {
  WindowSearch search{processId, className, caption, {}};
  EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PostClick(HWND window, UINT down, UINT up) {
  RECT client{};
  GetClientRect(window, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(window, down, MK_LBUTTON, middle);
  PostMessageW(window, up, 0, middle);
}

} // namespace

std::filesystem::path DriverFolder() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

std::filesystem::path ScreenshotFolder() {
  // A run at another DPI keeps its pictures apart.
  const wchar_t *chosen = _wgetenv(L"SLOTS_UI_SCREENSHOTS");
  const std::filesystem::path folder =
      DriverFolder() / (chosen != nullptr ? chosen : L"screenshots");
  std::filesystem::create_directories(folder);
  return folder;
}

std::wstring SystemFolderPlace() {
  wchar_t folder[MAX_PATH]{};
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + kChatLibrary;
}

std::wstring WindowsFolderPlace() {
  wchar_t folder[MAX_PATH]{};
  GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + kChatLibrary;
}

bool WaitFor(const std::function<bool()> &condition,
             std::chrono::milliseconds patience,
             std::chrono::milliseconds pollInterval) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(pollInterval);
  }
  return true;
}

CardFolder::CardFolder(const std::string &name, bool withChatLibrary)
    : path_(DriverFolder() / L"ui_scratch" / name) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  std::filesystem::copy_file(DriverFolder() / kCardExecutable,
                             path_ / kCardExecutable);
  if (withChatLibrary) {
    std::filesystem::copy_file(DriverFolder() / kStandInLibrary,
                               path_ / kChatLibrary);
  }
}

void CardFolder::WriteChat(const std::vector<std::string> &lines) {
  chat_ = lines;
  std::string text;
  for (const std::string &line : chat_) {
    text += line + "\r\n";
  }
  WriteFile("standin_chat.txt", text);
}

void CardFolder::AppendChatLine(const std::string &line) {
  std::vector<std::string> lines = chat_;
  lines.push_back(line);
  WriteChat(lines);
}

void CardFolder::WriteChatBytes(const std::string &bytes) const {
  WriteFile("standin_chat.txt", bytes);
}

void CardFolder::WriteChatStatuses(const std::string &script) const {
  WriteFile("standin_status.txt", script);
}

void CardFolder::WriteChatCallbacks(const std::string &fault) const {
  WriteFile("standin_callbacks.txt", fault);
}

void CardFolder::UseChatLibrary(const std::wstring &libraryFileName) const {
  // The runtime's copy refuses to overwrite under Wine: make room first.
  std::filesystem::remove(path_ / kChatLibrary);
  std::filesystem::copy_file(DriverFolder() / libraryFileName,
                             path_ / kChatLibrary);
}

std::vector<std::vector<std::string>>
ChatCallsLogged(const std::filesystem::path &log) {
  std::ifstream file(log, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  std::vector<std::vector<std::string>> calls;
  for (const std::string &line : SplitLines(content.str())) {
    calls.push_back(SplitAtTabs(line));
  }
  return calls;
}

std::vector<std::vector<std::string>> CardFolder::ChatCalls() const {
  return ChatCallsLogged(path_ / "standin_calls.txt");
}

bool CardFolder::HasChatCall(const std::vector<std::string> &call) const {
  const auto calls = ChatCalls();
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

void CardFolder::WriteSettings(const std::string &content) const {
  WriteFile("slots.ini", content);
}

std::vector<std::string> CardFolder::SettingsLines() const {
  return SplitLines(ReadFile("slots.ini"));
}

void CardFolder::WriteFile(const std::string &name,
                           const std::string &content) const {
  std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
  file << content;
}

std::string CardFolder::ReadFile(const std::string &name) const {
  std::ifstream file(path_ / name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

CardProcess::CardProcess(const CardFolder &folder,
                         const std::wstring &arguments)
    : CardProcess(folder.Path(), arguments) {}

CardProcess::CardProcess(const std::filesystem::path &folder,
                         const std::wstring &arguments) {
  const std::wstring executable = (folder / kCardExecutable).wstring();
  std::wstring commandLine = L"\"" + executable + L"\"";
  if (!arguments.empty()) {
    commandLine += L" " + arguments;
  }
  const std::wstring workingFolder = DriverFolder().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  // Started from another folder: the card must find its files by its own
  // place, not by the current folder.
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, workingFolder.c_str(), &startup,
                      &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_.Reset(started.hProcess);
  processId_ = started.dwProcessId;
  window_ =
      WaitForWindowOfCard(win32::kCardWindowClass, win32::kCardWindowCaption);
}

CardProcess::~CardProcess() {
  if (process_ && !HasEnded()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), static_cast<DWORD>(kPatience.count()));
  }
}

HWND CardProcess::FindWindowOfCard(const wchar_t *className,
                                   const std::wstring &caption) const {
  const std::vector<HWND> found =
      FindTopWindows(processId_, className, &caption);
  return found.empty() ? nullptr : found.front();
}

std::vector<HWND> CardProcess::WindowsOfCard(const wchar_t *className) const {
  return FindTopWindows(processId_, className, nullptr);
}

HWND CardProcess::WaitForWindowOfCard(const wchar_t *className,
                                      const std::wstring &caption) const {
  HWND found = nullptr;
  WaitFor([&] {
    found = FindWindowOfCard(className, caption);
    return found != nullptr || HasEnded();
  });
  return found;
}

bool CardProcess::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return process_ &&
         WaitForSingleObject(process_.Get(),
                             static_cast<DWORD>(kPatience.count())) ==
             WAIT_OBJECT_0;
}

bool CardProcess::HasEnded() const {
  return !process_ || WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
}

std::wstring TextOf(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool IsTopmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int ScreenDpi() {
  win32::WindowDc screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientScreenRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

void ClickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void ClickLabel(HWND label) { PostClick(label, WM_LBUTTONDOWN, WM_LBUTTONUP); }

void DoubleClickLabel(HWND label) {
  PostClick(label, WM_LBUTTONDOWN, WM_LBUTTONUP);
  PostClick(label, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
}

void ChooseMenuItem(HWND card, int itemId) {
  PostMessageW(card, WM_COMMAND, MAKEWPARAM(itemId, 0), 0);
}

HWND FocusOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void PressKey(HWND window, WORD key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (3u << 30));
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (ClassOf(child) == L"Static" && (style & SS_TYPEMASK) != SS_ICON) {
      text += TextOf(child);
    }
  }
  return text;
}

std::vector<int> MessageBoxButtons(HWND box) {
  std::vector<int> buttons;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == L"Button" && IsWindowVisible(child)) {
      buttons.push_back(GetDlgCtrlID(child));
    }
  }
  std::sort(buttons.begin(), buttons.end());
  return buttons;
}

void AnswerMessageBox(HWND box, int answer) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

namespace {

NOTIFYICONDATAW TrayIconOf(HWND card) {
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = card;
  icon.uID = win32::kTrayIconId;
  return icon;
}

} // namespace

bool HasTrayIcon(HWND card) {
  // Changing nothing succeeds only for an icon that is there.
  NOTIFYICONDATAW icon = TrayIconOf(card);
  return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

void TakeTrayIconPlace(HWND card) {
  NOTIFYICONDATAW icon = TrayIconOf(card);
  Shell_NotifyIconW(NIM_ADD, &icon);
}

void RemoveTrayIcon(HWND card) {
  NOTIFYICONDATAW icon = TrayIconOf(card);
  Shell_NotifyIconW(NIM_DELETE, &icon);
}

void AnnounceTaskbarCreated(HWND card) {
  PostMessageW(card, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

void WaitUntilIdle(HWND card) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(card, WM_NULL, 0, 0, SMTO_NORMAL,
                      static_cast<UINT>(kPatience.count()), &ignored);
}

COLORREF ScreenPixel(POINT point) {
  win32::WindowDc screen(nullptr);
  return GetPixel(screen.Get(), point.x, point.y);
}

void SaveScreenshot(HWND window, const std::wstring &name) {
  SaveScreenshot(ScreenRect(window), name);
}

void SaveScreenshot(const RECT &rect, const std::wstring &name) {
  if (const auto bitmap = win32::CaptureScreenAreaAsBitmap(rect)) {
    std::ofstream(ScreenshotFolder() / (name + L".bmp"), std::ios::binary)
        << *bitmap;
  }
}

} // namespace slots::ui_test
