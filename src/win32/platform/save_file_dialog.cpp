#include "win32/platform/save_file_dialog.h"

#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <commdlg.h>

namespace slots::win32 {
namespace {

// Room for a long path the player types.
constexpr std::size_t kPathRoom = 32768;
// Pairs of description and pattern, the list ended by an empty pair.
constexpr wchar_t kCsvFilter[] = L"CSV files (*.csv)\0*.csv\0All files\0*.*\0";

using SaveDialogFunction = decltype(&GetSaveFileNameW);

SaveDialogFunction SaveDialog() {
  static const auto function = FindExport<SaveDialogFunction>(
      LoadSystemLibraryForProcess(L"comdlg32.dll"), "GetSaveFileNameW");
  return function;
}

} // namespace

std::optional<std::wstring> AskSaveCsvPath(HWND owner,
                                           const std::wstring &suggestedName) {
  const SaveDialogFunction showDialog = SaveDialog();
  if (showDialog == nullptr) {
    return std::nullopt;
  }
  std::wstring path(kPathRoom, L'\0');
  path.replace(0, suggestedName.size(), suggestedName);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kCsvFilter;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = L"csv";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                 OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!showDialog(&dialog)) {
    return std::nullopt;
  }
  path.resize(path.find(L'\0'));
  return path;
}

} // namespace slots::win32
