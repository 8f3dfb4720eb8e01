# Sourced by the scripts that run the Windows program: a Wine prefix of the
# chosen architecture (see wine-arch.sh), made once and reused.
# Usage: source scripts/wine-env.sh PREFIX_FOLDER [DPI]
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
export WINEPREFIX=$(realpath -m "$1")
export WINEARCH=$SLOTS_WINE_ARCH
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Under i386 emulation Wine's background services sometimes crash, and its
# debugger, started to report that, hangs there: a crash ends the process.
if [[ -n "${SLOTS_I386_EMULATED:-}" ]]; then
  WINEDLLOVERRIDES+=";winedbg.exe=d"
fi

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$SLOTS_WINE" wineboot -i >/dev/null 2>&1
  # No window manager under Xvfb: without this Wine waits for one whenever a
  # window is hidden.
  "$SLOTS_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash must end the process, not wait in a dialog.
  "$SLOTS_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  if [[ -n "${2:-}" ]]; then
    "$SLOTS_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  fi
  wineserver -w
fi
