#!/usr/bin/env bash
# Runs a GoogleTest program under the 32-bit Wine, then once more only the
# tests that did not pass, and shows both runs. Under the i386 emulator Wine
# sometimes ends a program or drops a window for reasons of its own; such a
# hiccup passes on its second run, while a fault of the card fails again.
# A test that fails twice fails the whole run.
# Usage: rerun_failed_once.sh PROGRAM GTEST_FILTER
set -uo pipefail
program=$1
filter=$2
wine_run="$(dirname "$0")/../../../scripts/wine-run.sh"
# SLOTS_RERUN_RUNNER stands in for Wine in this script's own test.
run_windows() {
  if [[ -n "${SLOTS_RERUN_RUNNER:-}" ]]; then
    bash "$SLOTS_RERUN_RUNNER" "$@"
  else
    bash "$wine_run" win32 "$@"
  fi
}

# The tests a run was to run or started, minus those that passed or were
# skipped: what failed, crashed or never came to run.
not_passed() {
  local expected=$1 output=$2
  {
    echo "$expected"
    sed -n 's/^\[ RUN      \] //p' <<<"$output"
  } | sed '/^$/d' | sort -u |
    grep -vxFf <(sed -nE 's/^\[ +(OK|SKIPPED) \] ([^ ]+).*/\2/p' <<<"$output") || true
}

list_tests() {
  run_windows "$program" --gtest_list_tests --gtest_filter="$filter" |
    awk '/^[^ ]/ { suite = $1 } /^  [^ ]/ { print suite $1 }'
}
expected=$(list_tests)
[[ -n "$expected" ]] || expected=$(list_tests)
if [[ -z "$expected" ]]; then
  echo "FAILED TWICE: listing the tests of $program ($filter)"
  exit 1
fi
total=$(wc -l <<<"$expected")

echo "== first run: $filter"
first=$(run_windows "$program" --gtest_filter="$filter" 2>&1)
echo "$first"
failed=$(not_passed "$expected" "$first")
if [[ -z "$failed" ]]; then
  echo "first run: all $total passed"
  exit 0
fi
echo "first run: $(wc -l <<<"$failed") of $total did not pass:" $failed

# A program that failed may have left its card running, which holds the
# card's scratch folder; under the emulator a failing test may also end the
# whole driver. So each test runs again alone, after any card left over.
echo "== second run of those, one at a time"
again=""
for name in $failed; do
  run_windows taskkill /f /im slotscard.exe >/dev/null 2>&1
  second=$(run_windows "$program" --gtest_filter="$name" 2>&1)
  echo "$second"
  if [[ -n "$(not_passed "$name" "$second")" ]]; then
    echo "FAILED TWICE: $name"
    again+="$name "
  else
    echo "failed once, passed on its second run (emulation hiccup): $name"
  fi
done
[[ -z "$again" ]]
