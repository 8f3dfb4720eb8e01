#pragma once

#include "win32/platform/gdi_handles.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Drives a real slotscard.exe from the outside, as a player would, with
// window messages; every wait polls until its condition holds or a generous
// patience runs out.
namespace slots::ui_test {

inline constexpr std::chrono::milliseconds kPatience{30000};

std::filesystem::path DriverFolder();
// Where the screenshots go, beside the driver in the build folder: the folder
// SLOTS_UI_SCREENSHOTS names, else "screenshots".
std::filesystem::path ScreenshotFolder();

inline constexpr std::chrono::milliseconds kPollInterval{50};

// True as soon as the condition holds; false if it never did.
bool WaitFor(const std::function<bool()> &condition,
             std::chrono::milliseconds patience = kPatience,
             std::chrono::milliseconds pollInterval = kPollInterval);

// A fresh folder holding a copy of the card and, unless asked otherwise, the
// stand-in chat library as wadapi.dll.
class CardFolder {
public:
  explicit CardFolder(const std::string &name, bool withChatLibrary = true);
  const std::filesystem::path &Path() const { return path_; }

  // The chat client's whole text, lines joined with CR LF.
  void WriteChat(const std::vector<std::string> &lines);
  void AppendChatLine(const std::string &line);
  // The chat text exactly as given, whatever bytes it holds.
  void WriteChatBytes(const std::string &bytes) const;
  // The stand-in's status script, read when the card opens the link and
  // again whenever it changes: one status a line, "none" for no status,
  // "empty" for an empty one, "6..." for "6" forever.
  void WriteChatStatuses(const std::string &script) const;
  // How the stand-in calls back: "none" (not at all), "text-twice",
  // "text-null"; an empty word makes it call back as it should.
  void WriteChatCallbacks(const std::string &fault) const;
  // Puts this library, from beside the driver, in the place of wadapi.dll.
  void UseChatLibrary(const std::wstring &libraryFileName) const;
  // What the stand-in recorded: one call per entry, fields split at TABs.
  std::vector<std::vector<std::string>> ChatCalls() const;
  bool HasChatCall(const std::vector<std::string> &call) const;

  void WriteSettings(const std::string &content) const;
  // slots.ini, line by line without line ends.
  std::vector<std::string> SettingsLines() const;

private:
  void WriteFile(const std::string &name, const std::string &content) const;
  std::string ReadFile(const std::string &name) const;

  std::filesystem::path path_;
  std::vector<std::string> chat_;
};

// A running card. Ended by force if a test leaves it running.
class CardProcess {
public:
  // The arguments follow the program's name on its command line.
  explicit CardProcess(const CardFolder &folder,
                       const std::wstring &arguments = L"");
  // The card that lies in this folder.
  explicit CardProcess(const std::filesystem::path &folder,
                       const std::wstring &arguments = L"");
  CardProcess(const CardProcess &) = delete;
  CardProcess &operator=(const CardProcess &) = delete;
  ~CardProcess();

  // The card window, once it is shown; null when it never appeared.
  HWND Window() const { return window_; }
  HANDLE Process() const { return process_.Get(); }
  DWORD ProcessId() const { return processId_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // A visible top-level window of the card's process, or null.
  HWND FindWindowOfCard(const wchar_t *className,
                        const std::wstring &caption) const;
  HWND WaitForWindowOfCard(const wchar_t *className,
                           const std::wstring &caption) const;
  // Every visible top-level window of the class, topmost first.
  std::vector<HWND> WindowsOfCard(const wchar_t *className) const;
  // Closes the card as its close button does and waits for the program to
  // end.
  bool Close();
  bool HasEnded() const;

private:
  win32::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// What a stand-in chat library recorded in this log: one call per entry,
// fields split at TABs.
std::vector<std::vector<std::string>>
ChatCallsLogged(const std::filesystem::path &log);

// Where wadapi.dll would be in the system folder and in the Windows folder.
std::wstring SystemFolderPlace();
std::wstring WindowsFolderPlace();

std::wstring TextOf(HWND window);
bool IsEnabled(HWND window);
bool IsTopmost(HWND window);
// Dots per inch of the screen the card is drawn on.
int ScreenDpi();
// Screen rectangle of a window and of its client area.
RECT ScreenRect(HWND window);
RECT ClientScreenRect(HWND window);

void ClickButton(HWND button);
// A press and release of the left button, as the player clicks a label.
void ClickLabel(HWND label);
// Two quick clicks: the system turns the second press into a double click.
void DoubleClickLabel(HWND label);
void ChooseMenuItem(HWND card, int itemId);
// The keyboard focus of the window's thread.
HWND FocusOfThread(HWND window);
void PressKey(HWND window, WORD key);

inline constexpr wchar_t kMessageBoxClass[] = L"#32770";
inline constexpr wchar_t kPopupMenuClass[] = L"#32768";
std::wstring MessageBoxText(HWND box);
// The buttons a message box offers: IDOK, IDYES, ...
std::vector<int> MessageBoxButtons(HWND box);
void AnswerMessageBox(HWND box, int answer);

// The card's icon in the tray, seen from outside the card as the taskbar
// sees it.
bool HasTrayIcon(HWND card);
// Takes the card's place in the tray, so the card cannot add its icon.
void TakeTrayIconPlace(HWND card);
// Removes the card's icon, as a taskbar that restarts loses every icon.
void RemoveTrayIcon(HWND card);
// Tells every program that the taskbar has (re)started.
void AnnounceTaskbarCreated(HWND card);
// Returns once the card has handled every message sent or posted before.
void WaitUntilIdle(HWND card);

COLORREF ScreenPixel(POINT point);
// What the screen shows there, as a BMP file in the screenshot folder.
void SaveScreenshot(const RECT &area, const std::wstring &name);
void SaveScreenshot(HWND window, const std::wstring &name);

} // namespace slots::ui_test
