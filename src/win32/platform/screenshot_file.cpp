#include "win32/platform/screenshot_file.h"

#include "win32/platform/gdi_handles.h"

namespace slots::win32 {

std::optional<std::string> CaptureScreenAreaAsBitmap(const RECT &area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    return std::nullopt;
  }
  const WindowDc screen(nullptr);
  const UniqueMemoryDc copy(CreateCompatibleDC(screen.Get()));
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void *bits = nullptr;
  const UniqueBitmap bitmap(
      CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO *>(&header),
                       DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!copy || !bitmap || bits == nullptr) {
    return std::nullopt;
  }
  {
    const SelectedObject selected(copy.Get(), bitmap.Get());
    BitBlt(copy.Get(), 0, 0, width, height, screen.Get(), area.left, area.top,
           SRCCOPY);
    GdiFlush();
  }
  // Rows of a BMP are padded to whole 32-bit words.
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42; // "BM"
  fileHeader.bfOffBits = sizeof(fileHeader) + sizeof(header);
  fileHeader.bfSize = fileHeader.bfOffBits + imageBytes;

  std::string file;
  file.reserve(fileHeader.bfSize);
  file.append(reinterpret_cast<const char *>(&fileHeader), sizeof(fileHeader));
  file.append(reinterpret_cast<const char *>(&header), sizeof(header));
  file.append(static_cast<const char *>(bits), imageBytes);
  return file;
}

} // namespace slots::win32
