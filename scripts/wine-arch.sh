# Sourced: decides once which Windows build this machine runs under Wine.
# The 32-bit program is what ships, but some kernels refuse every 32-bit
# program; there the same sources are tested as a 64-bit build.
# SLOTS_WINE_ARCH=win64 (or win32) forces a path on any machine.
# Exports SLOTS_WINE_ARCH, SLOTS_WINE (the loader to call) and SLOTS_WINE_WHY.

slots_wine32_runs() {
  local server
  server=$(dpkg -L wine32:i386 2>/dev/null | grep '/wineserver32$' | head -n 1)
  [[ -n "$server" ]] || return 1
  # Exit status 126 is the kernel's "Exec format error".
  local status=0
  "$server" --version >/dev/null 2>&1 || status=$?
  [[ $status -ne 126 && $status -ne 127 ]]
}

if [[ -z "${SLOTS_WINE:-}" ]]; then
  case "${SLOTS_WINE_ARCH:-}" in
  win64)
    SLOTS_WINE_WHY="SLOTS_WINE_ARCH=win64 asks for the 64-bit path: the Windows tests run on the 64-bit build"
    ;;
  win32)
    SLOTS_WINE_WHY="SLOTS_WINE_ARCH=win32 asks for the 32-bit path: the Windows tests run on the 32-bit build"
    ;;
  "")
    if slots_wine32_runs; then
      SLOTS_WINE_ARCH=win32
      SLOTS_WINE_WHY="this machine runs 32-bit programs: the Windows tests run on the 32-bit build"
    else
      SLOTS_WINE_ARCH=win64
      SLOTS_WINE_WHY="this machine cannot run 32-bit programs: the Windows tests run on the 64-bit build"
    fi
    ;;
  *)
    echo "SLOTS_WINE_ARCH must be win32 or win64, not '$SLOTS_WINE_ARCH'" >&2
    return 2
    ;;
  esac
  if [[ $SLOTS_WINE_ARCH == win64 ]]; then
    # Debian's wine script takes the 32-bit loader whenever wine32 is
    # installed, even where it cannot run: call the 64-bit one directly.
    SLOTS_WINE=/usr/lib/wine/wine64
    export WINELOADER=$SLOTS_WINE
  else
    SLOTS_WINE=wine
    unset WINELOADER
  fi
  export SLOTS_WINE_ARCH SLOTS_WINE SLOTS_WINE_WHY
fi
