#!/usr/bin/env bash
# Checks rerun_failed_once.sh against a stand-in for a GoogleTest program
# under Wine: a test that fails twice fails the run, one that passes on its
# second run is reported as a hiccup, and the tests a crash cut off run again.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# First run: Fine passes, Broken fails, Flaky crashes the program, so
# AfterCrash never runs. Alone, Broken fails again and the others pass.
cat >"$work/fake_wine.sh" <<'FAKE'
[[ $1 == taskkill ]] && exit 0
shift
if [[ $1 == --gtest_list_tests ]]; then
  printf 'Suite.\n  Fine\n  Broken\n  Flaky\n  AfterCrash\n'
  exit 0
fi
filter=${1#--gtest_filter=}
for name in Fine Broken Flaky AfterCrash; do
  [[ $filter == '*' || $filter == "Suite.$name" ]] || continue
  echo "[ RUN      ] Suite.$name"
  if [[ $name == Broken ]]; then
    echo "[  FAILED  ] Suite.$name (1 ms)"
  elif [[ $name == Flaky && $filter == '*' ]]; then
    exit 139
  else
    echo "[       OK ] Suite.$name (1 ms)"
  fi
done
FAKE

output=$(SLOTS_RERUN_RUNNER="$work/fake_wine.sh" \
  bash "$(dirname "$0")/rerun_failed_once.sh" fake.exe '*')
status=$?
echo "$output"

failures=0
expect() {
  if ! "$@"; then
    echo "FAILED: expected $*"
    failures=$((failures + 1))
  fi
}
has() { grep -qxF "$1" <<<"$output"; }
lacks() { ! grep -qF "$1" <<<"$output"; }
expect test "$status" -ne 0
expect has "FAILED TWICE: Suite.Broken"
expect has "failed once, passed on its second run (emulation hiccup): Suite.Flaky"
expect has "failed once, passed on its second run (emulation hiccup): Suite.AfterCrash"
expect lacks "Suite.Fine:"
expect lacks "passed on its second run (emulation hiccup): Suite.Fine"
expect has "first run: 3 of 4 did not pass: Suite.AfterCrash Suite.Broken Suite.Flaky"
exit $((failures > 0))
