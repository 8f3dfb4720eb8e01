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

echo "== fuzz targets, a short run of each"
bash scripts/run-fuzzers.sh 5 | grep -v '^\['

source scripts/wine-arch.sh
echo "== Windows: $SLOTS_WINE_WHY"

# The 32-bit program ships, so it and its package are built on every machine.
echo "== Windows 32-bit build and package"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DSLOTS_I386_EMULATED_TESTS="$SLOTS_I386_EMULATION" >/dev/null
cmake --build build/win32 -j"$jobs"
(cd build/win32 && cpack -G ZIP >/dev/null)
package="$root/build/win32/slotscard-1.4-win32.zip"
echo "package: $package"
echo "== the 32-bit images, read with the cross tools, and the emulated reruns"
ctest --test-dir build/win32 -L host --output-on-failure

echo "== the mends that let Wine run under i386 emulation, tested under the emulator"
if [[ -x /usr/bin/qemu-i386-static ]]; then
  cmake -S tools/wine_under_qemu -B build/wine-under-qemu -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/wine-under-qemu -j"$jobs"
  ctest --test-dir build/wine-under-qemu --output-on-failure
else
  echo "no qemu-i386-static (scripts/install-deps.sh installs it): the mends are not tested"
fi

if [[ $SLOTS_WINE_ARCH == win64 ]]; then
  echo "== Windows 64-bit build of the same sources, for the tests"
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DSLOTS_PACKAGE_ZIP="$package" >/dev/null
  cmake --build build/win64 -j"$jobs"
fi

if [[ $SLOTS_WINE_ARCH != win32-emulated ]]; then
  echo "== Windows tests under Wine ($SLOTS_WINE_ARCH)"
  started=$SECONDS
  (
    tested="build/$SLOTS_WINE_ARCH"
    source scripts/wine-env.sh "$tested/wineprefix"
    wineserver -p
    trap 'wineserver -k || true' EXIT
    xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
      ctest --test-dir "$tested" --output-on-failure -LE 'host|i386_emulated'
  )
  echo "== Windows tests under Wine ($SLOTS_WINE_ARCH) took $((SECONDS - started)) s"
fi

# Emulated Wine has hung (in wineboot) on a busy machine: each step of this
# stage has a time limit and the whole stage ends within its minutes. A hung
# emulation ends with one line that says so, and the verdict is that of the
# rest; a test that fails still fails the run.
emulated_stage_minutes=25
if [[ $SLOTS_I386_EMULATION == yes ]]; then
  echo "== the 32-bit build under i386 emulation: $SLOTS_EMULATED_TESTS"
  started=$SECONDS
  source scripts/time-limit.sh
  export SLOTS_STAGE_DEADLINE=$(($(date +%s) + emulated_stage_minutes * 60))
  status=0
  # A minute beyond the steps' own limits, for what lies between them.
  run_limited $((emulated_stage_minutes * 60 + 60)) "the 32-bit build under i386 emulation" \
    env SLOTS_WINE_ARCH=win32 bash scripts/run-emulated.sh bash -c '
    unset SLOTS_WINE
    source scripts/wine-env.sh build/win32/wineprefix || exit
    run_limited 300 "wineserver -p" wineserver -p || exit
    trap "timeout 60 wineserver -k || true" EXIT
    run_limited '"$((emulated_stage_minutes * 60))"' "the emulated tests (ctest)" \
      xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
      ctest --test-dir build/win32 --output-on-failure -L i386_emulated' || status=$?
  unset SLOTS_STAGE_DEADLINE
  echo "== the 32-bit build under i386 emulation took $((SECONDS - started)) s"
  if ((status != 0 && status != 124)); then
    exit "$status"
  fi
fi
