#include "card_resources.h"

#include "win32/platform/live_handle_query.h"

#include <psapi.h>

#include <sstream>

namespace slots::ui_test {
namespace {

constexpr UINT kAnswerPatienceMs = 5000;

std::optional<long> AskLiveHandles(HWND card, win32::HandleKind kind) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(card, win32::LiveHandleQueryMessage(),
                          static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG,
                          kAnswerPatienceMs, &answer) == 0) {
    return std::nullopt;
  }
  return static_cast<long>(answer);
}

struct WindowCount {
  DWORD processId;
  std::size_t windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
  ++reinterpret_cast<WindowCount *>(parameter)->windows;
  return TRUE;
}

BOOL CALLBACK CountTopWindowAndChildren(HWND window, LPARAM parameter) {
  auto &count = *reinterpret_cast<WindowCount *>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count.processId) {
    ++count.windows;
    // Walks every descendant, not only the direct children.
    EnumChildWindows(window, CountChild, parameter);
  }
  return TRUE;
}

std::size_t CountWindows(DWORD processId) {
  WindowCount count{processId, 0};
  EnumWindows(CountTopWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count.windows;
}

} // namespace

std::optional<CardResources> ReadCardResources(const CardProcess &card) {
  CardResources resources;
  const auto gdi = AskLiveHandles(card.Window(), win32::HandleKind::Gdi);
  const auto user = AskLiveHandles(card.Window(), win32::HandleKind::User);
  const auto kernel = AskLiveHandles(card.Window(), win32::HandleKind::Kernel);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  if (!gdi || !user || !kernel ||
      !K32GetProcessMemoryInfo(card.Process(), &memory, sizeof(memory))) {
    return std::nullopt;
  }
  resources.gdiObjects = *gdi;
  resources.userObjects = *user;
  resources.ownedKernelHandles = *kernel;
  resources.windows = CountWindows(card.ProcessId());
  resources.workingSetBytes = memory.WorkingSetSize;
  resources.privateBytes = memory.PagefileUsage;
  return resources;
}

std::string DescribeResources(const CardResources &resources) {
  std::ostringstream text;
  text << "GDI " << resources.gdiObjects << ", USER " << resources.userObjects
       << ", owned kernel " << resources.ownedKernelHandles << ", windows "
       << resources.windows << ", working set "
       << resources.workingSetBytes / 1024 << " KB, private "
       << resources.privateBytes / 1024 << " KB";
  return text.str();
}

} // namespace slots::ui_test
