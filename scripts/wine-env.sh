# Sourced by the scripts that run the Windows program: one 32-bit Wine prefix
# per build folder, made once and reused.
# Usage: source scripts/wine-env.sh BUILD_DIR
wine_build_dir=$(realpath "$1")
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot -i >/dev/null 2>&1
  # No window manager under Xvfb: without this Wine waits for one whenever a
  # window is hidden.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash must end the process, not wait in a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
fi
