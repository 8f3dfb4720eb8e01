#include "win32/platform/code_page_text.h"

#include <array>
#include <climits>
#include <map>
#include <mutex>

namespace slots::win32 {

namespace {

constexpr wchar_t kUnreadable = L'\uFFFD';

bool FitsInt(std::size_t size) {
  return size <= static_cast<std::size_t>(INT_MAX);
}

std::wstring ConvertToWide(UINT codePage, std::string_view text,
                           bool singleByte) {
  if (text.empty() || !FitsInt(text.size()))
    return {};
  const int bytes = static_cast<int>(text.size());
  // One byte per character is one UTF-16 unit: no measuring pass.
  const int length = singleByte ? bytes
                                : MultiByteToWideChar(codePage, 0, text.data(),
                                                      bytes, nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  const int written =
      MultiByteToWideChar(codePage, 0, text.data(), bytes, wide.data(), length);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

std::string ConvertToBytes(UINT codePage, std::wstring_view text) {
  if (text.empty() || !FitsInt(text.size()))
    return {};
  const int units = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(codePage, 0, text.data(), units,
                                         nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  const int written = WideCharToMultiByte(
      codePage, 0, text.data(), units, narrow.data(), length, nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return narrow;
}

// What the reading of a code page needs to know, found once per code page.
struct CodePageShape {
  UINT codePage = CP_ACP;
  bool utf8 = false;
  bool singleByte = false;
  // Single byte: the bytes that come back as themselves.
  std::array<bool, 256> readsBack{};
  bool allReadBack = true;
  // Double byte: the bytes that start a character of two, and whether such a
  // byte takes a CR after it into its character. Windows versions differ in
  // what a first byte does before a byte that cannot follow it: some take it,
  // some leave it be.
  std::array<bool, 256> leadByte{};
  bool leadTakesCarriageReturn = false;
};

bool LeadTakesCarriageReturn(const CodePageShape &shape) {
  for (int byte = 0x80; byte < 256; ++byte) {
    if (!shape.leadByte[byte])
      continue;
    const char probe[] = {static_cast<char>(byte), '\r', '\n'};
    wchar_t decoded[4] = {};
    return MultiByteToWideChar(shape.codePage, 0, probe, 3, decoded, 4) == 2;
  }
  return false;
}

CodePageShape FindShape(UINT codePage) {
  CodePageShape shape;
  shape.codePage = codePage;
  shape.utf8 = codePage == CP_UTF8;
  CPINFO info{};
  shape.singleByte = !shape.utf8 && GetCPInfo(codePage, &info) != FALSE &&
                     info.MaxCharSize == 1;
  if (shape.singleByte) {
    for (int byte = 0; byte < 256; ++byte) {
      const std::string one(1, static_cast<char>(byte));
      shape.readsBack[byte] =
          ConvertToBytes(codePage, ConvertToWide(codePage, one, true)) == one;
      shape.allReadBack = shape.allReadBack && shape.readsBack[byte];
    }
    return shape;
  }
  for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0;
       range += 2) {
    for (int byte = info.LeadByte[range]; byte <= info.LeadByte[range + 1];
         ++byte) {
      shape.leadByte[byte] = true;
    }
  }
  shape.leadTakesCarriageReturn = LeadTakesCarriageReturn(shape);
  return shape;
}

const CodePageShape &ShapeOf(UINT codePage) {
  static std::mutex mutex;
  static std::map<UINT, CodePageShape> shapes;
  const UINT actual = codePage == CP_ACP ? GetACP() : codePage;
  const std::lock_guard lock(mutex);
  auto found = shapes.find(actual);
  if (found == shapes.end()) {
    found = shapes.emplace(actual, FindShape(actual)).first;
  }
  return found->second;
}

// The length in bytes of the character the text starts with; a character
// cut short by the end of the text is what is left of it.
std::size_t CharacterLength(const CodePageShape &shape, std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (!shape.utf8) {
    const bool pairs = shape.leadByte[lead] && text.size() >= 2 &&
                       (text[1] != '\r' || shape.leadTakesCarriageReturn);
    return pairs ? 2 : 1;
  }
  const std::size_t length = lead < 0xC2   ? 1
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 1;
  std::size_t taken = 1;
  while (taken < length && taken < text.size() &&
         (static_cast<unsigned char>(text[taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  return taken;
}

// Appends the text, each character whose bytes do not come back the same as
// U+FFFD. A part that comes back whole is taken whole, so a long text with a
// few such characters costs a few conversions of its halves, not one call
// per character.
void AppendReadable(const CodePageShape &shape, std::string_view text,
                    std::wstring &out) {
  const std::wstring wide = ConvertToWide(shape.codePage, text, false);
  if (ConvertToBytes(shape.codePage, wide) == text) {
    out += wide;
    return;
  }
  std::size_t cut = CharacterLength(shape, text);
  if (cut == text.size()) {
    out += kUnreadable;
    return;
  }
  while (cut < text.size() / 2) {
    const std::size_t next = cut + CharacterLength(shape, text.substr(cut));
    if (next >= text.size())
      break;
    cut = next;
  }
  AppendReadable(shape, text.substr(0, cut), out);
  AppendReadable(shape, text.substr(cut), out);
}

// Decodes line by line exactly as WideFromSystemCodePage decodes the whole
// text: a line break never falls inside a character, so each line's
// characters are the same characters either way.
class SystemCodePageTextDecoder final : public chat::ChatTextDecoder {
public:
  SystemCodePageTextDecoder() {
    const CodePageShape &shape = ShapeOf(CP_ACP);
    // A CR left be is a line break in every code page.
    if (!shape.utf8 && !shape.singleByte && shape.leadTakesCarriageReturn)
      takers_ = shape.leadByte;
  }

  void AppendDecoded(std::string_view bytes,
                     std::wstring &text) const override {
    text += WideFromCodePage(CP_ACP, bytes);
  }

  bool TakesNextByte(unsigned char byte) const override {
    return takers_[byte];
  }

private:
  std::array<bool, 256> takers_{};
};

} // namespace

std::wstring WideFromCodePage(UINT codePage, std::string_view text) {
  if (text.empty() || !FitsInt(text.size()))
    return {};
  const CodePageShape &shape = ShapeOf(codePage);
  if (shape.singleByte) {
    std::wstring wide = ConvertToWide(shape.codePage, text, true);
    if (!shape.allReadBack && wide.size() == text.size()) {
      for (std::size_t at = 0; at < text.size(); ++at) {
        if (!shape.readsBack[static_cast<unsigned char>(text[at])])
          wide[at] = kUnreadable;
      }
    }
    return wide;
  }
  std::wstring wide;
  AppendReadable(shape, text, wide);
  return wide;
}

std::wstring WideFromSystemCodePage(std::string_view text) {
  return WideFromCodePage(CP_ACP, text);
}

std::string SystemCodePageFromWide(std::wstring_view text) {
  return ConvertToBytes(CP_ACP, text);
}

std::optional<std::string> ExactCodePageFromWide(UINT codePage,
                                                 std::wstring_view text) {
  if (text.empty())
    return std::string();
  if (!FitsInt(text.size()) ||
      text.find(kUnreadable) != std::wstring_view::npos)
    return std::nullopt;
  const CodePageShape &shape = ShapeOf(codePage);
  // UTF-8 has a form for every character and refuses the used-default flag;
  // only lone surrogates fail there, and those fail the conversion itself.
  const DWORD flags = shape.utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL *usedDefaultFlag = shape.utf8 ? nullptr : &usedDefault;
  const int units = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(shape.codePage, flags, text.data(), units, nullptr, 0,
                          nullptr, usedDefaultFlag);
  if (length <= 0 || usedDefault)
    return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  const int written =
      WideCharToMultiByte(shape.codePage, flags, text.data(), units,
                          narrow.data(), length, nullptr, usedDefaultFlag);
  if (written != length || usedDefault ||
      ConvertToWide(shape.codePage, narrow, shape.singleByte) != text)
    return std::nullopt;
  return narrow;
}

std::optional<std::string> ExactSystemCodePageFromWide(std::wstring_view text) {
  return ExactCodePageFromWide(CP_ACP, text);
}

const chat::ChatTextDecoder &SystemCodePageDecoder() {
  static const SystemCodePageTextDecoder decoder;
  return decoder;
}

} // namespace slots::win32
