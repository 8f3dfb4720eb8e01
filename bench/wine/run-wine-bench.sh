#!/usr/bin/env bash
# Times the card under Wine on the 64-bit build: each click over generated
# chat texts of 1, 10 and 50 MB beside the floor program, with resident
# memory, and the start-up to a visible window beside an empty window. All in
# one run on one machine. Not part of the tests: it passes or fails nothing.
# Usage: bash bench/wine/run-wine-bench.sh [CLICKS] [ROUNDS] [STARTS]
# (ROUNDS 0 measures the start-up only)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)

if [[ $(id -u) -eq 0 ]]; then
  bash scripts/install-deps.sh
fi

# The 64-bit build runs on every machine, so the numbers compare across them.
export SLOTS_WINE_ARCH=win64
source scripts/wine-arch.sh

build="$root/build/wine-bench"
cmake -S bench/wine -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target click_bench floor_bench startup_bench \
  empty_window card_with_library >/dev/null

source scripts/wine-env.sh "$build/wineprefix"
wineserver -p
trap 'wineserver -k || true' EXIT
xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
  bash bench/wine/measure.sh "$build/bin" "$build/card/src/win32/slotscard.exe" \
  "${1:-5}" "${2:-5}" "${3:-21}"
