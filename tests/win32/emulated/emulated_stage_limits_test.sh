#!/usr/bin/env bash
# Checks the emulated stage's guards: a step past its time limit (or past its
# stage's deadline) is stopped with one line that says so and status 124, a
# hung wineboot leaves no half-made prefix, other statuses pass unchanged, and
# run-emulated.sh --inside refuses to run outside the namespaces it makes.
set -uo pipefail
scripts="$(cd "$(dirname "$0")/../../../scripts" && pwd)"
source "$scripts/time-limit.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
expect() {
  if ! "$@"; then
    echo "FAILED: expected $*"
    failures=$((failures + 1))
  fi
}

output=$(run_limited 1 "the sleeper" sleep 30)
expect test $? -eq 124
expect test "$output" == "== the sleeper did not end within 1 s and was stopped"

output=$(run_limited 30 "a failing step" bash -c 'echo said; exit 3')
expect test $? -eq 3
expect test "$output" == "said"
output=$(run_limited --quiet 30 "a quiet step" bash -c 'echo said; exit 124')
expect test $? -eq 124
expect test -z "$output"

output=$(SLOTS_STAGE_DEADLINE=$(($(date +%s) - 1)) run_limited 30 "a late step" true)
expect test $? -eq 124
expect test "$output" == "== a late step did not start: its stage had used all its time"

# A wineboot that hangs, cut short by the stage's deadline.
cat >"$work/hanging_wine.sh" <<'FAKE'
#!/usr/bin/env bash
mkdir -p "$WINEPREFIX" && touch "$WINEPREFIX/system.reg"
exec sleep 60
FAKE
chmod +x "$work/hanging_wine.sh"
output=$(
  export SLOTS_WINE="$work/hanging_wine.sh" SLOTS_WINE_ARCH=win32
  export SLOTS_STAGE_DEADLINE=$(($(date +%s) + 2))
  source "$scripts/wine-env.sh" "$work/prefix"
)
expect test $? -eq 124
expect test "$(wc -l <<<"$output")" -eq 1
expect grep -q '^== wineboot --init did not end within [12] s and was stopped$' <<<"$output"
expect test ! -e "$work/prefix"

bash "$scripts/run-emulated.sh" --inside touch "$work/ran" 2>/dev/null
expect test $? -eq 2
here="$(readlink /proc/self/ns/user) $(readlink /proc/self/ns/mnt)"
SLOTS_EMULATION_STARTED_FROM=$here bash "$scripts/run-emulated.sh" --inside touch "$work/ran" 2>/dev/null
expect test $? -eq 2
expect test ! -e "$work/ran"

if ((failures > 0)); then
  echo "$failures checks failed"
  exit 1
fi
echo "all checks passed"
