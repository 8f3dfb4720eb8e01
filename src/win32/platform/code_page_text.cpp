#include "win32/platform/code_page_text.h"

#include <windows.h>

#include <array>
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

class SystemCodePageTextDecoder final : public chat::ChatTextDecoder {
public:
  SystemCodePageTextDecoder() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 2)
      return;
    for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0;
         range += 2) {
      for (unsigned byte = info.LeadByte[range];
           byte <= info.LeadByte[range + 1] && byte < takers_.size(); ++byte)
        takers_[byte] = true;
    }
    // Windows versions differ in what a first byte does before a byte that
    // cannot follow it: some take it into the character, some leave it be.
    // Asked once, with a CR; a CR left be is a line break everywhere.
    if (!LeadByteTakesCarriageReturn())
      takers_.fill(false);
  }

  void AppendDecoded(std::string_view bytes,
                     std::wstring &text) const override {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
      return;
    const int count = static_cast<int>(bytes.size());
    const int length =
        SystemCodePageIsSingleByte()
            ? count
            : MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, nullptr, 0);
    if (length <= 0)
      return;
    const std::size_t start = text.size();
    text.resize(start + static_cast<std::size_t>(length));
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), count,
                                            text.data() + start, length);
    text.resize(start + (written > 0 ? static_cast<std::size_t>(written) : 0));
  }

  bool TakesNextByte(unsigned char byte) const override {
    return takers_[byte];
  }

private:
  bool LeadByteTakesCarriageReturn() const {
    for (std::size_t byte = 0x80; byte < takers_.size(); ++byte) {
      if (!takers_[byte])
        continue;
      const char probe[] = {static_cast<char>(byte), '\r', '\n'};
      wchar_t decoded[4] = {};
      return MultiByteToWideChar(CP_ACP, 0, probe, 3, decoded, 4) == 2;
    }
    return false;
  }

  std::array<bool, 256> takers_{};
};

} // namespace

const chat::ChatTextDecoder &SystemCodePageDecoder() {
  static const SystemCodePageTextDecoder decoder;
  return decoder;
}

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
