#pragma once

// A chat text decoder for the native tests and fuzz targets, from the C
// library's iconv. It reads as MultiByteToWideChar does under Wine: the
// first byte of a two-byte character takes the next byte whatever it is, and
// a byte or pair the code page lacks becomes U+FFFD.
#include "chat/chat_text_decoder.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

namespace slots::testing {

class IconvTextDecoder final : public chat::ChatTextDecoder {
public:
  // `codePage` as iconv names it: "CP1252", "CP932".
  explicit IconvTextDecoder(const char *codePage) {
    const iconv_t converter = iconv_open("WCHAR_T", codePage);
    if (converter == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("no iconv for ") + codePage);
    for (unsigned byte = 0; byte < 256; ++byte) {
      const char single[] = {static_cast<char>(byte)};
      singles_[byte] = Convert(converter, single, 1, takers_[byte]);
    }
    pairs_.assign(256 * 256, kReplacement);
    for (unsigned first = 0x80; first < 256; ++first) {
      for (unsigned second = 0; takers_[first] && second < 256; ++second) {
        const char pair[] = {static_cast<char>(first),
                             static_cast<char>(second)};
        bool incomplete = false;
        pairs_[first * 256 + second] = Convert(converter, pair, 2, incomplete);
      }
    }
    iconv_close(converter);
  }

  void AppendDecoded(std::string_view bytes,
                     std::wstring &text) const override {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
      const auto byte = static_cast<unsigned char>(bytes[at]);
      if (takers_[byte] && at + 1 < bytes.size()) {
        text.push_back(
            pairs_[byte * 256 + static_cast<unsigned char>(bytes[++at])]);
      } else {
        text.push_back(takers_[byte] ? kReplacement : singles_[byte]);
      }
    }
  }

  bool TakesNextByte(unsigned char byte) const override {
    return takers_[byte];
  }

private:
  static constexpr wchar_t kReplacement = L'\uFFFD';

  // One character from `count` bytes, or U+FFFD; `incomplete` tells a first
  // byte that wants a second.
  static wchar_t Convert(iconv_t converter, const char *bytes,
                         std::size_t count, bool &incomplete) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    wchar_t out[2] = {};
    char *in = const_cast<char *>(bytes);
    char *outBytes = reinterpret_cast<char *>(out);
    std::size_t inLeft = count;
    std::size_t outLeft = sizeof(out);
    const std::size_t result =
        iconv(converter, &in, &inLeft, &outBytes, &outLeft);
    incomplete = result == static_cast<std::size_t>(-1) && errno == EINVAL;
    const bool one = result != static_cast<std::size_t>(-1) && inLeft == 0 &&
                     outLeft == sizeof(out) - sizeof(wchar_t);
    return one ? out[0] : kReplacement;
  }

  std::array<wchar_t, 256> singles_{};
  std::array<bool, 256> takers_{};
  std::vector<wchar_t> pairs_;
};

} // namespace slots::testing
