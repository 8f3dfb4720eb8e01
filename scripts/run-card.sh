#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [[ $(id -u) -eq 0 ]]; then
  bash scripts/install-deps.sh
fi

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$(nproc)" --target slotscard
source scripts/wine-env.sh build/win32/wineprefix

card="$root/build/win32/src/win32/slotscard.exe"
if [[ -n "${DISPLAY:-}" ]]; then
  exec wine "$card"
fi
echo "No display: running the card in a virtual X screen (close it with Ctrl+C)."
exec xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' wine "$card"
