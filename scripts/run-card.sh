#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine: the 32-bit card where
# this machine runs 32-bit programs, the 64-bit build of it elsewhere, and
# the 32-bit card under i386 emulation when SLOTS_WINE_ARCH=win32-emulated.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [[ $(id -u) -eq 0 ]]; then
  bash scripts/install-deps.sh
fi

source scripts/wine-arch.sh
# Asked for only: the emulated 32-bit card starts and answers more slowly.
if [[ $SLOTS_WINE_ARCH == win32-emulated ]]; then
  echo "running the 32-bit build under i386 emulation (slower than the native paths)"
  SLOTS_WINE_ARCH=win32 SLOTS_WINE= exec bash scripts/run-emulated.sh bash scripts/run-card.sh "$@"
fi
echo "$SLOTS_WINE_WHY" | sed 's/the Windows tests run on/running/'
if [[ $SLOTS_WINE_ARCH == win64 ]]; then
  toolchain=mingw-x86_64.cmake
else
  toolchain=mingw-i686.cmake
fi
build="build/$SLOTS_WINE_ARCH"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target slotscard card_sounds
source scripts/wine-env.sh "$build/wineprefix"

card="$root/$build/src/win32/slotscard.exe"
# No wadapi.dll in the build folder: the card opens on the practice table.
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$SLOTS_WINE" "$card" "$@"
fi

# No display: nobody could see the card, so take a picture of it and end.
shot="$root/$build/practice-table.bmp"
rm -f "$shot" "${shot%.bmp}.png"
echo "No display: starting the card in a virtual screen for a screenshot."
xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
  bash -c '"$SLOTS_WINE" cmd /c exit </dev/null >/dev/null 2>&1
           exec "$SLOTS_WINE" "$@"' card "$card" --screenshot-after 5 "Z:$shot" "$@"
if [[ ! -f "$shot" ]]; then
  echo "The card did not save its screenshot." >&2
  exit 1
fi
convert "$shot" "${shot%.bmp}.png"
echo "Screenshot of the card and the practice table: ${shot%.bmp}.png"
