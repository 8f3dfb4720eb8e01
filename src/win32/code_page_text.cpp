#include "win32/code_page_text.h"

#include <windows.h>

#include <climits>

namespace slots::win32 {

namespace {

// In a code page of one byte per character each byte is one UTF-16 unit, so
// a text needs no measuring pass before it is converted.
bool SystemCodePageIsSingleByte() {
  static const bool singleByte = [] {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
  }();
  return singleByte;
}

} // namespace

std::wstring WideFromSystemCodePage(std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
    return {};
  const int bytes = static_cast<int>(text.size());
  const int length =
      SystemCodePageIsSingleByte()
          ? bytes
          : MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  const int written =
      MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, wide.data(), length);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

std::string SystemCodePageFromWide(std::wstring_view text) {
  if (text.empty())
    return {};
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                          nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      narrow.data(), length, nullptr, nullptr);
  return narrow;
}

} // namespace slots::win32
