#include "win32/platform/code_page_text.h"

#include <windows.h>

#include <climits>

namespace slots::win32 {

namespace {

constexpr wchar_t kReplacementCharacter = L'\uFFFD';

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

std::optional<std::string> ExactSystemCodePageFromWide(std::wstring_view text) {
  if (text.empty())
    return std::string();
  // The replacement character stands for bytes that did not convert when the
  // text came in: written out again it would name somebody else.
  if (text.size() > static_cast<std::size_t>(INT_MAX) ||
      text.find(kReplacementCharacter) != std::wstring_view::npos)
    return std::nullopt;
  // UTF-8 has a form for every character and refuses the used-default flag;
  // only lone surrogates fail there, and those fail the conversion itself.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL *usedDefaultFlag = utf8 ? nullptr : &usedDefault;
  const int units = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), units,
                                         nullptr, 0, nullptr, usedDefaultFlag);
  if (length <= 0 || usedDefault)
    return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  const int written =
      WideCharToMultiByte(CP_ACP, flags, text.data(), units, narrow.data(),
                          length, nullptr, usedDefaultFlag);
  if (written != length || usedDefault)
    return std::nullopt;
  return narrow;
}

} // namespace slots::win32
