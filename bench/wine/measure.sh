#!/usr/bin/env bash
# The measurements of run-wine-bench.sh, run inside its virtual screen with
# its Wine prefix. Prints the tables in Markdown.
# Usage: measure.sh BIN_FOLDER CARD_EXE CLICKS ROUNDS STARTS
set -euo pipefail
bin=$1
card=$2
clicks=$3
rounds=$4
starts=$5

run() {
  local log status=0
  log=$(mktemp)
  # Wine's helper processes inherit the output: a file, not a pipe.
  "$SLOTS_WINE" "$@" >"$log" 2>&1 </dev/null || status=$?
  tr -d '\r' <"$log"
  rm -f "$log"
  return $status
}

windows_path() {
  "$SLOTS_WINE" winepath -w "$1" | tr -d '\r'
}

# With ROUNDS 0 only the start-up is measured.
# The floor and the four clicks take turns, round after round, so that a
# busy moment of the machine falls on all of them alike.
samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
for mb in 1 10 50; do
  export SLOTS_BENCH_CHAT_BYTES=$((mb * 1048576))
  for ((round = 1; round <= rounds; round++)); do
    echo "$mb $(run "$bin/floor_bench.exe" "$clicks")" >>"$samples"
    for action in GetHost FreeGame Start Final; do
      echo "$mb $(run "$bin/click_bench.exe" "$action" "$clicks")" >>"$samples"
    done
  done
done

if ((rounds > 0)); then
echo "## Clicks: $rounds rounds of $clicks clicks each"
echo
echo "Time: the median of the rounds' medians, and the fastest click. Memory:"
echo "resident memory of a round's first click, its peak above the level"
echo "before the click and what it left, the largest over the rounds. N is"
echo "the chat text's size in bytes (Windows-1252); its UTF-16 form is 2 N."
echo
echo "| Chat text | Click | Time | Fastest | x floor | Peak | Left after |"
echo "|---|---|---|---|---|---|---|"
awk '
  function median(list,   n, values, i, j, t) {
    n = split(list, values, " ")
    for (i = 1; i <= n; i++)
      for (j = i + 1; j <= n; j++)
        if (values[j] + 0 < values[i] + 0) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  {
    key = $1 " " $2
    if (!(key in times)) order[++count] = key
    times[key] = times[key] " " $3
    if (!(key in fastest) || $4 < fastest[key]) fastest[key] = $4
    if ($5 > peak[key]) peak[key] = $5
    if ($6 > left[key]) left[key] = $6
  }
  END {
    for (i = 1; i <= count; i++) {
      split(order[i], parts, " ")
      mb = parts[1]; n = mb * 1048576
      floor = median(times[mb " Floor"])
      printf "| %d MB | %s | %.1f ms | %.1f ms | %.2fx | %.2f N | %.2f N |\n",
        mb, parts[2], median(times[order[i]]), fastest[order[i]],
        median(times[order[i]]) / floor, peak[order[i]] / n, left[order[i]] / n
    }
  }' "$samples"
echo
fi

export SLOTS_BENCH_CHAT_BYTES=4096
startup=$(run "$bin/startup_bench.exe" "$starts" \
  Card "$(windows_path "$card")" "Tamsk's Slots Card 1.4" \
  Empty "$(windows_path "$bin/empty_window.exe")" "Empty Window")
echo "## Start-up to a visible window: $starts starts each, taking turns"
echo
echo "| Program | Median | Fastest | x empty window |"
echo "|---|---|---|---|"
awk '{ t[NR] = $2; m[NR] = $3 }
  END { printf "| card | %.1f ms | %.1f ms | %.2fx |\n", t[1], m[1], t[1] / t[2]
        printf "| empty window | %.1f ms | %.1f ms | 1.00x |\n", t[2], m[2] }' <<<"$startup"
