#!/usr/bin/env bash
# Runs the system code page decoder's tests as on a Japanese Windows (code
# page 932), in a Wine prefix of its own made under that locale, with its own
# wineserver.
# Usage: run_decoder_japanese.sh win32|win64 TESTS_EXE
set -euo pipefail
export SLOTS_WINE_ARCH=$1
unset SLOTS_WINE
tests=$2

if ! locale -a | grep -qix 'ja_JP.utf-\?8'; then
  echo "the ja_JP.UTF-8 locale is missing: run scripts/install-deps.sh" >&2
  exit 1
fi
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

source "$(dirname "$0")/../../scripts/wine-env.sh" \
  "$(dirname "$tests")/wineprefix_japanese"

wineserver -p
trap 'wineserver -k || true' EXIT
"$SLOTS_WINE" "$tests" --gtest_filter='SystemCodePageDecoder.*'
