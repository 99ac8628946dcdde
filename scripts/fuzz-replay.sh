#!/usr/bin/env bash
# Runs every harness once over every committed input in fuzz/corpus/ (no timed
# fuzzing: the same inputs give the same result). Fails on the first harness
# that finds a fault.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
harnesses=(profile project rtf bmp jpeg msk)
build="$(bash "$root/scripts/asan-build.sh" "${harnesses[@]/%/_fuzzer}")"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for harness in "${harnesses[@]}"; do
  mapfile -t inputs < <(find "$root/fuzz/corpus/$harness" -type f | sort)
  echo "== $harness: ${#inputs[@]} inputs"
  if ! "$build/fuzz/${harness}_fuzzer" -timeout=30 -rss_limit_mb=2048 "${inputs[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    echo "FAIL: $harness" >&2
    exit 1
  fi
done
echo "every committed input replayed cleanly"
