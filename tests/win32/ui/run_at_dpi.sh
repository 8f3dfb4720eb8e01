#!/usr/bin/env bash
# Runs the card's layout, game and payout UI tests at another screen DPI, in
# a Wine prefix of its own (made once beside the driver, then reused) with its
# own wineserver. Runs inside the X server of the test run.
# Usage: run_at_dpi.sh DPI DRIVER_EXE
set -euo pipefail
dpi=$1
driver=$2

source "$(dirname "$0")/../../../scripts/wine-env.sh" \
  "$(dirname "$driver")/wineprefix_${dpi}dpi" "$dpi"

wineserver -p
trap 'wineserver -k || true' EXIT
# Wine's background services start with the first program and keep its
# output open; start them here, away from the test's output.
wine cmd /c exit </dev/null >/dev/null 2>&1

SLOTS_UI_SCREENSHOTS="screenshots_${dpi}dpi" wine "$driver" \
  --gtest_filter='CardWindowUi.OpensWithEveryControlAtItsPlace:CardWindowUi.PayoutWindowOpensBelowTheCardWithTheDefaultTable:CardGameUi.*'
