#!/usr/bin/env bash
# Runs the card's tray tests under the 32-bit Wine when its taskbar takes a
# tray icon at all. The card hides in the tray only once its icon is there;
# under QEMU 7.2 the emulated Wine's desktop process, which holds the taskbar,
# ends soon after it starts (a thread's unhandled exception, whose handling
# then crashes), so there no program can add an icon. The tests then stay
# with the 64-bit build, and this entry says so and is skipped (status 77).
# Usage: run_tray_tests.sh TRAY_PROBE DRIVER GTEST_FILTER
set -uo pipefail
here=$(dirname "$0")
if ! bash "$here/../../../scripts/wine-run.sh" win32 "$1" >/dev/null 2>&1; then
  echo "this Wine has no taskbar tray (even a plain window cannot add an icon):" \
    "the tray tests run on the 64-bit build only"
  exit 77
fi
exec bash "$here/rerun_failed_once.sh" "$2" "$3"
