# Sourced by the scripts that run the Windows program: a Wine prefix of the
# chosen architecture (see wine-arch.sh), made once and reused.
# Usage: source scripts/wine-env.sh PREFIX_FOLDER [DPI]
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
source "$(dirname "${BASH_SOURCE[0]}")/time-limit.sh"
export WINEPREFIX=$(realpath -m "$1")
export WINEARCH=$SLOTS_WINE_ARCH
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Under i386 emulation Wine's background services sometimes crash, and its
# debugger, started to report that, hangs there: a crash ends the process.
if [[ -n "${SLOTS_I386_EMULATED:-}" ]]; then
  WINEDLLOVERRIDES+=";winedbg.exe=d"
fi

# One step of making the prefix, with a time limit: Wine under i386
# emulation has hung in wineboot on a busy machine. A step stopped there
# leaves no half-made prefix behind, so the next run makes it again, and
# the sourcing returns 124.
make_prefix_step() {
  run_limited --quiet "$@" && return 0
  [[ $? == 124 ]] || return 0
  timeout 60 wineserver -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
  return 124
}

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  make_prefix_step 900 "wineboot --init" "$SLOTS_WINE" wineboot -i || return 124
  # No window manager under Xvfb: without this Wine waits for one whenever a
  # window is hidden.
  make_prefix_step 300 "reg add (no window manager)" "$SLOTS_WINE" reg add \
    'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || return 124
  # A crash must end the process, not wait in a dialog.
  make_prefix_step 300 "reg add (no crash dialog)" "$SLOTS_WINE" reg add \
    'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || return 124
  if [[ -n "${2:-}" ]]; then
    make_prefix_step 300 "reg add (dpi)" "$SLOTS_WINE" reg add \
      'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f || return 124
  fi
  make_prefix_step 300 "wineserver -w" wineserver -w || return 124
fi
