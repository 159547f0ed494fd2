#!/usr/bin/env bash
# Builds the native fuzz targets (clang: libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# of the code that reads what others wrote, replays every saved crash of each target, then fuzzes
# each for a bounded time from its seeds. Any finding fails the run and is kept in build/fuzz.
# TAMBOREL_FUZZ_SECONDS sets the time per target (default 20).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${TAMBOREL_BUILD:-$top/build}/fuzz
seconds=${TAMBOREL_FUZZ_SECONDS:-20}
CXX=clang++ cmake -S "$top/fuzz" -B "$out" -G Ninja >/dev/null
cmake --build "$out" -- -j"$(nproc)" >/dev/null
for target in "$out"/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  work=$out/corpus/$name
  mkdir -p "$work" "$out/findings"
  cp -n "$top/fuzz/corpus/$name/"* "$work/" 2>/dev/null || true
  saved=("$top/fuzz/crashes/$name/"*)
  if [ -e "${saved[0]}" ]; then
    "$target" "${saved[@]}" >/dev/null 2>&1 || { echo "fuzz: $name fails on a saved case"; "$target" "${saved[@]}"; exit 1; }
  fi
  log=$out/$name.log
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$out/findings/$name-" "$work" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $name found a fault (see $out/findings)"
    exit 1
  fi
  echo "fuzz: $name clean, $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2) runs in ${seconds} s"
done
