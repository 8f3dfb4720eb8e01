# Sourced: decides once which Windows build this machine runs under Wine.
# The 32-bit program is what ships, but some kernels refuse every 32-bit
# program; there the same sources are tested as a 64-bit build.
# There the 32-bit build's tests that cross the chat library's boundary also
# run under i386 emulation where it can start (SLOTS_I386_EMULATION=yes).
# SLOTS_WINE_ARCH=win64, win32 or win32-emulated forces a path on any machine.
# Exports SLOTS_WINE_ARCH, SLOTS_WINE (the loader to call), SLOTS_WINE_WHY and
# SLOTS_I386_EMULATION.

slots_wine32_runs() {
  local server
  server=$(dpkg -L wine32:i386 2>/dev/null | grep '/wineserver32$' | head -n 1)
  [[ -n "$server" ]] || return 1
  # Exit status 126 is the kernel's "Exec format error".
  local status=0
  "$server" --version >/dev/null 2>&1 || status=$?
  [[ $status -ne 126 && $status -ne 127 ]]
}

# Where 32-bit programs cannot run, QEMU's i386 emulator may run them in a
# namespace of their own (scripts/run-emulated.sh).
SLOTS_I386_EMULATION_NEEDS="needs qemu-user-static, unshare and a kernel of 6.7 or later"
SLOTS_EMULATED_TESTS="the chat link, card game and window, chat library fault and package tests"
slots_i386_emulation_starts() {
  bash "$(dirname "${BASH_SOURCE[0]}")/run-emulated.sh" --probe
}

if [[ -z "${SLOTS_WINE:-}" ]]; then
  case "${SLOTS_WINE_ARCH:-}" in
  win64)
    SLOTS_WINE_WHY="SLOTS_WINE_ARCH=win64 asks for the 64-bit path: the Windows tests run on the 64-bit build"
    ;;
  win32)
    if [[ -n "${SLOTS_I386_EMULATED:-}" ]]; then
      SLOTS_WINE_WHY="the 32-bit build runs under i386 emulation"
    else
      SLOTS_WINE_WHY="SLOTS_WINE_ARCH=win32 asks for the 32-bit path: the Windows tests run on the 32-bit build"
    fi
    ;;
  win32-emulated)
    if ! slots_i386_emulation_starts; then
      echo "SLOTS_WINE_ARCH=win32-emulated asks for i386 emulation, which cannot start here" \
        "($SLOTS_I386_EMULATION_NEEDS)" >&2
      return 2
    fi
    SLOTS_I386_EMULATION=yes
    SLOTS_WINE_WHY="SLOTS_WINE_ARCH=win32-emulated asks for the emulated 32-bit path: $SLOTS_EMULATED_TESTS run on the 32-bit build under i386 emulation, and nothing on the 64-bit build"
    ;;
  "")
    if slots_wine32_runs; then
      SLOTS_WINE_ARCH=win32
      SLOTS_WINE_WHY="this machine runs 32-bit programs: the Windows tests run on the 32-bit build"
    elif slots_i386_emulation_starts; then
      SLOTS_WINE_ARCH=win64
      SLOTS_I386_EMULATION=yes
      SLOTS_WINE_WHY="this machine cannot run 32-bit programs: the Windows tests run on the 64-bit build, and $SLOTS_EMULATED_TESTS again on the 32-bit build under i386 emulation"
    else
      SLOTS_WINE_ARCH=win64
      SLOTS_WINE_WHY="this machine cannot run 32-bit programs and i386 emulation cannot start here ($SLOTS_I386_EMULATION_NEEDS): the Windows tests run on the 64-bit build only"
    fi
    ;;
  *)
    echo "SLOTS_WINE_ARCH must be win32, win64 or win32-emulated, not '$SLOTS_WINE_ARCH'" >&2
    return 2
    ;;
  esac
  SLOTS_I386_EMULATION=${SLOTS_I386_EMULATION:-no}
  if [[ $SLOTS_WINE_ARCH == win64 ]]; then
    # Debian's wine script takes the 32-bit loader whenever wine32 is
    # installed, even where it cannot run: call the 64-bit one directly.
    SLOTS_WINE=/usr/lib/wine/wine64
    export WINELOADER=$SLOTS_WINE
  else
    SLOTS_WINE=wine
    unset WINELOADER
  fi
  export SLOTS_WINE_ARCH SLOTS_WINE SLOTS_WINE_WHY SLOTS_I386_EMULATION
fi
