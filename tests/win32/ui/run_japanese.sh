#!/usr/bin/env bash
# Runs the card's window tests as on a Japanese Windows (code page 932, a
# Japanese font), in a Wine prefix of its own made under that locale, with
# its own wineserver. Runs inside the X server of the test run.
# Usage: run_japanese.sh win32|win64 DRIVER_EXE
set -euo pipefail
export SLOTS_WINE_ARCH=$1
unset SLOTS_WINE
driver=$2

if ! locale -a | grep -qix 'ja_JP.utf-\?8'; then
  echo "the ja_JP.UTF-8 locale is missing: run scripts/install-deps.sh" >&2
  exit 1
fi
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

source "$(dirname "$0")/../../../scripts/wine-env.sh" \
  "$(dirname "$driver")/wineprefix_japanese"

wineserver -p
trap 'wineserver -k || true' EXIT
"$SLOTS_WINE" cmd /c exit </dev/null >/dev/null 2>&1

SLOTS_UI_SCREENSHOTS="screenshots_japanese" "$SLOTS_WINE" "$driver" \
  --gtest_filter='CardWindowUi.OpensWithEveryControlAtItsPlace:JapaneseLocaleUi.*:CardKeysUi.*'
