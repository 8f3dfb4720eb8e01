#include "win32/card/card_icon.h"

#include "win32/platform/dpi_scaling.h"

namespace slots::win32 {

int SmallIconSize(int dpi) { return MulDiv(16, dpi, kDefaultDpi); }

int BigIconSize(int dpi) { return MulDiv(32, dpi, kDefaultDpi); }

HICON CardIcons::Get(int size) {
  auto found = loaded_.find(size);
  if (found == loaded_.end()) {
    found =
        loaded_
            .emplace(size, UniqueIcon(static_cast<HICON>(LoadImageW(
                               instance_, MAKEINTRESOURCEW(kCardIconResource),
                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR))))
            .first;
  }
  return found->second.Get();
}

} // namespace slots::win32
