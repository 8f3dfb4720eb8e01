#!/usr/bin/env bash
# Builds everything and runs every test: the core natively, the core again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows
# program under Wine in a virtual X screen.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [[ $(id -u) -eq 0 ]]; then
  bash scripts/install-deps.sh
fi

jobs=$(nproc)

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSLOTS_BENCHMARKS=ON >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

echo "== sanitizer build and tests"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DSLOTS_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "== Windows build and tests under Wine"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
source scripts/wine-env.sh build/win32/wineprefix
wineserver -p
trap 'wineserver -k || true' EXIT
xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
  ctest --test-dir build/win32 --output-on-failure
