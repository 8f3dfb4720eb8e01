#include "practice/screenshot_path.h"

#include <algorithm>
#include <array>

namespace slots::practice {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t ToUpperAscii(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// Windows opens a device by these names in any folder, with any extension
// and with trailing blanks or dots.
bool IsDeviceName(std::wstring_view part) {
  part = part.substr(0, part.find(L'.'));
  part = part.substr(0, part.find_last_not_of(L' ') + 1);
  std::wstring name(part);
  std::ranges::transform(name, name.begin(), ToUpperAscii);
  constexpr std::array<std::wstring_view, 6> kDevices = {
      L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::ranges::find(kDevices, name) != kDevices.end()) {
    return true;
  }
  // Windows counts the superscripts one to three as port digits too.
  constexpr std::wstring_view kPortDigits = L"0123456789\u00B9\u00B2\u00B3";
  return name.size() == 4 &&
         (name.starts_with(L"COM") || name.starts_with(L"LPT")) &&
         kPortDigits.find(name[3]) != std::wstring_view::npos;
}

bool HasDriveLetter(std::wstring_view path) {
  return path.size() >= 2 && path[1] == L':' &&
         ((path[0] >= L'A' && path[0] <= L'Z') ||
          (path[0] >= L'a' && path[0] <= L'z'));
}

} // namespace

std::optional<std::wstring> RefusalOfScreenshotPath(std::wstring_view path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    const bool device =
        path.size() >= 3 && (path[2] == L'.' || path[2] == L'?');
    return device ? L"it names a device, not a file"
                  : L"it names a folder on another machine";
  }
  const std::wstring_view local = HasDriveLetter(path) ? path.substr(2) : path;
  if (local.find(L':') != std::wstring_view::npos) {
    return L"it names a stream of a file or a device, not a file";
  }
  std::size_t start = 0;
  while (start <= local.size()) {
    std::size_t end = start;
    while (end < local.size() && !IsSeparator(local[end])) {
      ++end;
    }
    if (IsDeviceName(local.substr(start, end - start))) {
      return L"it names a device, not a file";
    }
    start = end + 1;
  }
  return std::nullopt;
}

} // namespace slots::practice
