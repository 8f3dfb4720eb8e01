#!/usr/bin/env bash
# Runs the card's layout, game, payout and history UI tests at another screen
# DPI, in a Wine prefix of its own (made once beside the driver, then reused)
# with its own wineserver. Runs inside the X server of the test run.
# Usage: run_at_dpi.sh win32|win64 DPI DRIVER_EXE
set -euo pipefail
export SLOTS_WINE_ARCH=$1
unset SLOTS_WINE
dpi=$2
driver=$3

source "$(dirname "$0")/../../../scripts/wine-env.sh" \
  "$(dirname "$driver")/wineprefix_${dpi}dpi" "$dpi"

wineserver -p
trap 'wineserver -k || true' EXIT
# Wine's background services start with the first program and keep its
# output open; start them here, away from the test's output.
"$SLOTS_WINE" cmd /c exit </dev/null >/dev/null 2>&1

SLOTS_UI_SCREENSHOTS="screenshots_${dpi}dpi" "$SLOTS_WINE" "$driver" \
  --gtest_filter='CardWindowUi.OpensWithEveryControlAtItsPlace:CardWindowUi.TitleBarShowsTheIconOfItsDpi:CardWindowUi.PayoutWindowOpensBelowTheCardWithTheDefaultTable:CardGameUi.*:GameHistoryUi.ThreePracticeGames*'
