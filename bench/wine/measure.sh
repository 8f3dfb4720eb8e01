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
# The floor and the clicks take turns, round after round, so that a busy
# moment of the machine falls on all of them alike. The floor always reads
# the chat with its lines at the top: one fetch, one whole conversion, one
# scan back to the oldest line.
samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
for mb in 1 10 50; do
  export SLOTS_BENCH_CHAT_BYTES=$((mb * 1048576))
  for ((round = 1; round <= rounds; round++)); do
    export SLOTS_BENCH_CHAT_LAYOUT=top
    echo "$mb floor $(run "$bin/floor_bench.exe" "$clicks")" >>"$samples"
    for layout in end top; do
      export SLOTS_BENCH_CHAT_LAYOUT=$layout
      for action in GetHost FreeGame Start Holds Final Look Wait; do
        echo "$mb $layout $(run "$bin/click_bench.exe" "$action" "$clicks")" >>"$samples"
      done
    done
  done
done

if ((rounds > 0)); then
echo "## Clicks: $rounds rounds of $clicks clicks each"
echo
echo "Each click as a player makes it: a new game played up to it, untimed."
echo "Look is Start after the final, as a look while waiting for the next"
echo "game. Lines: the game's lines near the end of the chat or at its top."
echo "Time: the median of the rounds' medians, and the fastest click. Memory:"
echo "resident memory of a round's first click, its peak above the level"
echo "before the click and what it left, the largest over the rounds. N is"
echo "the chat text's size in bytes (Windows-1252)."
echo
echo "| Chat text | Lines | Click | Time | Fastest | x floor | Peak | Left after |"
echo "|---|---|---|---|---|---|---|---|"
awk '
  function median(list,   n, values, i, j, t) {
    n = split(list, values, " ")
    for (i = 1; i <= n; i++)
      for (j = i + 1; j <= n; j++)
        if (values[j] + 0 < values[i] + 0) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  {
    key = $1 " " $2 " " $3
    if (!(key in times)) order[++count] = key
    times[key] = times[key] " " $4
    if (!(key in fastest) || $5 < fastest[key]) fastest[key] = $5
    if ($6 > peak[key]) peak[key] = $6
    if ($7 > left[key]) left[key] = $7
  }
  END {
    for (i = 1; i <= count; i++) {
      split(order[i], parts, " ")
      mb = parts[1]; n = mb * 1048576
      floor = median(times[mb " floor Floor"])
      t = median(times[order[i]]); ratio = t / floor
      printf "| %d MB | %s | %s | %.1f ms | %.1f ms | %.2fx | %.2f N | %.2f N |\n",
        mb, parts[2], parts[3], t, fastest[order[i]], ratio,
        peak[order[i]] / n, left[order[i]] / n
      if (parts[2] == "floor") continue
      if (parts[3] == "Wait") {
        # Two looks, not one click: shown in a table of its own below.
        if (parts[2] == "end") waiting[mb] = t
        continue
      }
      if (peak[order[i]] / n > worstPeak) worstPeak = peak[order[i]] / n
      if (mb == 50 && parts[2] == "end" && ratio > worstEnd) {
        worstEnd = ratio; worstEndClick = parts[3]
      }
      if (parts[2] == "top" && parts[3] == "FreeGame" && ratio > worstFree) worstFree = ratio
      if (parts[2] == "top" && parts[3] != "FreeGame" && ratio > worstTop) {
        worstTop = ratio; worstTopClick = parts[3] " at " mb " MB"
      }
      if (mb == 10 && parts[2] == "end" && parts[3] == "Look") look = t
      if (parts[2] == "end" && parts[3] == "Final") final[mb] = t
    }
    print ""
    print "## Goals"
    print ""
    print "| Goal | Measured |"
    print "|---|---|"
    printf "| lines near the end, every click at 50 MB: at most 0.2x the floor | %.2fx (%s) |\n", worstEnd, worstEndClick
    printf "| a look while waiting at 10 MB: under 5 ms | %.1f ms |\n", look
    printf "| lines at the top, every click: at most 1.1x the floor | %.2fx (%s) |\n", worstTop, worstTopClick
    printf "| lines at the top, Free Game (two fetches): at most 2.2x | %.2fx |\n", worstFree
    printf "| peak memory of a click beyond the text: at most 1.1 N | %.2f N |\n", worstPeak
    print ""
    print "## Waiting for the machinekeeper"
    print ""
    print "The card busy per second of waiting (two looks), lines near the end, beside a Final click."
    print ""
    print "| Chat text | Waiting, per second | Final click |"
    print "|---|---|---|"
    split("1 10 50", sizes, " ")
    for (k = 1; k <= 3; k++) {
      mb = sizes[k]
      printf "| %d MB | %.1f ms (%.2f%% of the second) | %.1f ms |\n", mb, waiting[mb], waiting[mb] / 10, final[mb]
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
        printf "| empty window | %.1f ms | %.1f ms | 1.00x |\n", t[2], m[2]
        printf "\nGoal: start-up at most 1.2x an empty window'"'"'s: %.2fx\n", t[1] / t[2] }' <<<"$startup"
