// Writes the card's icon file from the same drawing the program's reels use,
// so the repository holds no picture: 16, 20, 24, 32 and 48 pixels as 32-bit
// bitmaps with an AND mask, 256 pixels as PNG.
// Usage: make_icon OUTPUT_FILE
#include "shell/card_icon_art.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array kBitmapSizes{16, 20, 24, 32, 48};
constexpr int kPngSize = 256;

void PutLittle(Bytes &out, std::uint32_t value, int byteCount) {
  for (int index = 0; index < byteCount; ++index) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * index)));
  }
}

void PutBig(Bytes &out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

// BITMAPINFOHEADER (of twice the height: colour and mask), the BGRA rows
// bottom up, then the AND mask, where 1 lets the desktop through.
Bytes IconBitmap(int size) {
  const Bytes rgba = slots::shell::DrawCardIconPixels(size);
  const int maskStride = (size + 31) / 32 * 4;
  Bytes out;
  PutLittle(out, 40, 4);
  PutLittle(out, static_cast<std::uint32_t>(size), 4);
  PutLittle(out, static_cast<std::uint32_t>(2 * size), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 32, 2);
  PutLittle(out, 0, 4);
  PutLittle(out,
            static_cast<std::uint32_t>(size * size * 4 + maskStride * size), 4);
  out.insert(out.end(), 16, 0); // resolution and palette: none
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      const std::uint8_t *pixel = &rgba[(row * size + column) * 4u];
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
    }
  }
  for (int row = size - 1; row >= 0; --row) {
    Bytes mask(static_cast<std::size_t>(maskStride));
    for (int column = 0; column < size; ++column) {
      if (rgba[(row * size + column) * 4u + 3] == 0) {
        mask[column / 8u] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

// Deflate bits go out least significant first; Huffman codes most
// significant first.
class BitWriter {
public:
  void Put(std::uint32_t value, int count) {
    for (int bit = 0; bit < count; ++bit) {
      PutBit((value >> bit) & 1);
    }
  }
  void PutCode(std::uint32_t code, int length) {
    for (int bit = length - 1; bit >= 0; --bit) {
      PutBit((code >> bit) & 1);
    }
  }
  Bytes Finish() {
    if (used_ > 0) {
      bytes_.push_back(current_);
    }
    return bytes_;
  }

private:
  void PutBit(std::uint32_t bit) {
    current_ |= static_cast<std::uint8_t>(bit << used_);
    if (++used_ == 8) {
      bytes_.push_back(current_);
      current_ = 0;
      used_ = 0;
    }
  }
  Bytes bytes_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// A literal or length symbol in the fixed Huffman code.
void PutFixedSymbol(BitWriter &bits, int symbol) {
  if (symbol < 144) {
    bits.PutCode(0x30 + symbol, 8);
  } else if (symbol < 256) {
    bits.PutCode(0x190 + symbol - 144, 9);
  } else if (symbol < 280) {
    bits.PutCode(symbol - 256, 7);
  } else {
    bits.PutCode(0xC0 + symbol - 280, 8);
  }
}

void PutRepeat(BitWriter &bits, int length) {
  static constexpr std::array<int, 29> kBase{
      3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static constexpr std::array<int, 29> kExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1,
                                              1, 1, 2, 2, 2, 2, 3, 3, 3, 3,
                                              4, 4, 4, 4, 5, 5, 5, 5, 0};
  int code = 28;
  while (kBase[static_cast<std::size_t>(code)] > length) {
    --code;
  }
  PutFixedSymbol(bits, 257 + code);
  bits.Put(static_cast<std::uint32_t>(length - kBase[code]), kExtra[code]);
  bits.PutCode(0, 5); // distance 1
}

// A zlib stream of one fixed-Huffman block that codes runs of a repeated
// byte: enough for flat colours after the PNG "Sub" filter.
Bytes Deflate(const Bytes &data) {
  BitWriter bits;
  bits.Put(1, 1);
  bits.Put(1, 2);
  std::size_t at = 0;
  while (at < data.size()) {
    std::size_t run = 0;
    while (at > 0 && at + run < data.size() && run < 258 &&
           data[at + run] == data[at - 1]) {
      ++run;
    }
    if (run >= 3) {
      PutRepeat(bits, static_cast<int>(run));
      at += run;
    } else {
      PutFixedSymbol(bits, data[at++]);
    }
  }
  PutFixedSymbol(bits, 256);
  Bytes out{0x78, 0x01};
  const Bytes coded = bits.Finish();
  out.insert(out.end(), coded.begin(), coded.end());
  std::uint32_t low = 1;
  std::uint32_t high = 0;
  for (const std::uint8_t byte : data) {
    low = (low + byte) % 65521;
    high = (high + low) % 65521;
  }
  PutBig(out, (high << 16) | low);
  return out;
}

std::uint32_t Crc32(const Bytes &data, std::size_t from) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t index = from; index < data.size(); ++index) {
    crc ^= data[index];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

void PutChunk(Bytes &png, const char *type, const Bytes &content) {
  PutBig(png, static_cast<std::uint32_t>(content.size()));
  const std::size_t typeAt = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), content.begin(), content.end());
  PutBig(png, Crc32(png, typeAt));
}

Bytes IconPng(int size) {
  const Bytes rgba = slots::shell::DrawCardIconPixels(size);
  Bytes filtered;
  for (int row = 0; row < size; ++row) {
    filtered.push_back(1); // Sub: each byte less the one a pixel before
    for (int byte = 0; byte < size * 4; ++byte) {
      const std::uint8_t left =
          byte >= 4 ? rgba[row * size * 4u + byte - 4] : std::uint8_t{0};
      filtered.push_back(
          static_cast<std::uint8_t>(rgba[row * size * 4u + byte] - left));
    }
  }
  Bytes header;
  PutBig(header, static_cast<std::uint32_t>(size));
  PutBig(header, static_cast<std::uint32_t>(size));
  header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", Deflate(filtered));
  PutChunk(png, "IEND", {});
  return png;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: make_icon OUTPUT_FILE\n";
    return 2;
  }
  std::vector<std::pair<int, Bytes>> images;
  for (const int size : kBitmapSizes) {
    images.emplace_back(size, IconBitmap(size));
  }
  images.emplace_back(kPngSize, IconPng(kPngSize));

  Bytes file;
  PutLittle(file, 0, 2);
  PutLittle(file, 1, 2);
  PutLittle(file, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const auto &[size, image] : images) {
    // 0 stands for 256 in the one-byte sizes.
    file.push_back(static_cast<std::uint8_t>(size % 256));
    file.push_back(static_cast<std::uint8_t>(size % 256));
    PutLittle(file, 0, 2);
    PutLittle(file, 1, 2);
    PutLittle(file, 32, 2);
    PutLittle(file, static_cast<std::uint32_t>(image.size()), 4);
    PutLittle(file, offset, 4);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const auto &[size, image] : images) {
    file.insert(file.end(), image.begin(), image.end());
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(file.data()),
            static_cast<std::streamsize>(file.size()));
  if (!out) {
    std::cerr << "make_icon: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
