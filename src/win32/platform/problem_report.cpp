#include "win32/platform/problem_report.h"

#include "win32/platform/code_page_text.h"

#include <windows.h>

namespace slots::win32 {

void ReportProblem(const std::wstring &caption, const std::wstring &text) {
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError != nullptr && standardError != INVALID_HANDLE_VALUE &&
      GetFileType(standardError) != FILE_TYPE_UNKNOWN) {
    const std::string line = SystemCodePageFromWide(text + L"\r\n");
    DWORD written = 0;
    if (WriteFile(standardError, line.data(), static_cast<DWORD>(line.size()),
                  &written, nullptr) &&
        written == line.size()) {
      return;
    }
  }
  MessageBoxW(nullptr, text.c_str(), caption.c_str(),
              MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

} // namespace slots::win32
