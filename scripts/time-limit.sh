# Sourced: a time limit for each step of a stage that may hang.
# run_limited [--quiet] SECONDS WHAT COMMAND [ARGUMENTS...] runs COMMAND for at
# most SECONDS, and not past SLOTS_STAGE_DEADLINE (seconds since the epoch)
# when that is set. A command still running then is stopped (TERM, then KILL
# 10 s later, with the processes it started that stayed in its group), one
# line names WHAT, and the status is 124; otherwise the status is COMMAND's.
# --quiet discards COMMAND's output, never that line.

run_limited() {
  local quiet=no
  if [[ $1 == --quiet ]]; then
    quiet=yes
    shift
  fi
  local limit=$1 what=$2
  shift 2
  if [[ -n "${SLOTS_STAGE_DEADLINE:-}" ]]; then
    local left=$((SLOTS_STAGE_DEADLINE - $(date +%s)))
    if ((left < limit)); then
      limit=$left
    fi
  fi
  if ((limit <= 0)); then
    echo "== $what did not start: its stage had used all its time"
    return 124
  fi
  local started status=0
  started=$(date +%s)
  if [[ $quiet == yes ]]; then
    timeout --kill-after=10 "$limit" "$@" >/dev/null 2>&1 || status=$?
  else
    timeout --kill-after=10 "$limit" "$@" || status=$?
  fi
  # 124 (or 137 after KILL) from the command itself comes before the limit.
  if ((status == 124 || status == 137)) && (($(date +%s) - started >= limit)); then
    echo "== $what did not end within $limit s and was stopped"
    return 124
  fi
  return "$status"
}
