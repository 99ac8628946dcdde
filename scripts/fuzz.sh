#!/usr/bin/env bash
# Fuzzes one harness, or each in turn, for SECONDS each (default 60).
# Usage: scripts/fuzz.sh [HARNESS] [SECONDS]   HARNESS: profile project rtf bmp jpeg msk
# New inputs go to build-asan/corpus/HARNESS (the committed seeds in fuzz/corpus/
# stay as they are); every failing input is kept in fuzz/findings/HARNESS/, and the
# run goes on past it (libFuzzer's fork mode), so one run collects every finding.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
all=(profile project rtf bmp jpeg msk)
harnesses=("${all[@]}")
if [[ $# -ge 1 && "$1" != all ]]; then
  [[ " ${all[*]} " == *" $1 "* ]] || { echo "unknown harness '$1' (${all[*]})" >&2; exit 2; }
  harnesses=("$1")
fi
seconds="${2:-60}"
build="$(bash "$root/scripts/asan-build.sh" "${harnesses[@]/%/_fuzzer}")"
for harness in "${harnesses[@]}"; do
  work="$build/corpus/$harness"
  findings="$root/fuzz/findings/$harness"
  mkdir -p "$work" "$findings"
  echo "== $harness for ${seconds}s"
  "$build/fuzz/${harness}_fuzzer" "$work" "$root/fuzz/corpus/$harness" \
    -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 -timeout=10 -rss_limit_mb=2048 \
    -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1
done
