#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace slots::win32 {

// The standard Save dialog for a CSV file, from comdlg32 in the system
// folder, loaded the first time it is asked for. The path the player chose;
// nothing when they cancelled or the dialog could not be shown.
std::optional<std::wstring> AskSaveCsvPath(HWND owner,
                                           const std::wstring &suggestedName);

} // namespace slots::win32
