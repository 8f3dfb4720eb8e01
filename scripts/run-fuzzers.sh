#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one over a copy of its
# seed corpus (fuzz/corpus/NAME), so the repository's seeds stay as they are.
# Usage: run-fuzzers.sh [SECONDS_EACH]          a short run of every target
#        run-fuzzers.sh --runs N [TARGET...]    N executions of each target
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time="${1:-10}")
if [[ "${1:-}" == --runs ]]; then
  limit=(-runs="$2")
  shift 2
else
  shift $(($# > 0 ? 1 : 0))
fi

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSLOTS_FUZZ=ON >/dev/null
cmake --build build/fuzz -j"$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in fuzz/*_fuzzer.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  if [[ -d "fuzz/corpus/$target" ]]; then
    cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  fi
  log="build/fuzz/$target.log"
  if ! "build/fuzz/fuzz/$target" "${limit[@]}" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="build/fuzz/$target-" "$corpus" \
    >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAILED: $target (log: $log)"
    exit 1
  fi
  echo "$target: $(grep -E '^(#[0-9]+|Done)' "$log" | tail -n 1)"
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
