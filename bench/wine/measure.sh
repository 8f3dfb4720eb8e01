#!/usr/bin/env bash
# The measurements of run-wine-bench.sh, run inside its virtual screen with
# its Wine prefix. Prints the tables in Markdown.
# Usage: measure.sh BIN_FOLDER CARD_EXE CLICKS STARTS
set -euo pipefail
bin=$1
card=$2
clicks=$3
starts=$4

run() {
  local log status=0
  log=$(mktemp)
  # Wine's helper processes inherit the output: a file, not a pipe.
  "$SLOTS_WINE" "$@" >"$log" 2>&1 </dev/null || status=$?
  tr -d '\r' <"$log"
  rm -f "$log"
  return $status
}

echo "## Clicks: median of $clicks (fastest), resident memory of the first click"
echo
echo "| Chat text | Click | Time | x floor | Peak above before | Left after |"
echo "|---|---|---|---|---|---|"
for mb in 1 10 50; do
  export SLOTS_BENCH_CHAT_BYTES=$((mb * 1048576))
  read -r _ floor floorMin floorPeak floorLeft < <(run "$bin/floor_bench.exe" "$clicks")
  for action in GetHost FreeGame Start Final; do
    read -r _ median fastest peak left < <(run "$bin/click_bench.exe" "$action" "$clicks")
    awk -v mb="$mb" -v a="$action" -v t="$median" -v m="$fastest" -v f="$floor" \
      -v p="$peak" -v l="$left" 'BEGIN { n = mb * 1048576
      printf "| %d MB | %s | %.1f ms (%.1f) | %.2fx | %.2f N | %.2f N |\n",
        mb, a, t, m, t / f, p / n, l / n }'
  done
  awk -v mb="$mb" -v t="$floor" -v m="$floorMin" -v p="$floorPeak" -v l="$floorLeft" \
    'BEGIN { n = mb * 1048576
    printf "| %d MB | floor | %.1f ms (%.1f) | 1.00x | %.2f N | %.2f N |\n",
      mb, t, m, p / n, l / n }'
done
echo
echo "N is the chat text's size in bytes (Windows-1252); its UTF-16 form is 2 N."
echo

export SLOTS_BENCH_CHAT_BYTES=4096
startup=$(run "$bin/startup_bench.exe" "$starts" \
  Card "$("$SLOTS_WINE" winepath -w "$card" | tr -d "\r")" "Tamsk's Slots Card 1.4" \
  Empty "$("$SLOTS_WINE" winepath -w "$bin/empty_window.exe" | tr -d "\r")" "Empty Window")
echo "## Start-up to a visible window: median of $starts (fastest)"
echo
echo "| Program | Time | x empty window |"
echo "|---|---|---|"
awk '{ name[NR] = $1; t[NR] = $2; m[NR] = $3 }
  END { printf "| card | %.1f ms (%.1f) | %.2fx |\n", t[1], m[1], t[1] / t[2]
        printf "| empty window | %.1f ms (%.1f) | 1.00x |\n", t[2], m[2] }' <<<"$startup"
