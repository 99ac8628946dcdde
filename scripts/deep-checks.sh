#!/usr/bin/env bash
# The deeper checks, after scripts/test.sh: the whole test suite under the
# sanitizers, every committed fuzz input replayed, and the picture corpus under
# valgrind's memcheck, and the demo's web page in headless Chromium (over the
# normal build in build/ or $VYX_BUILD_DIR).
# Prints how long each lane took.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_BUILD_DIR:-$root/build}"
lane() {
  local name="$1" start=$SECONDS
  shift
  echo "=== $name"
  "$@"
  echo "=== $name: $((SECONDS - start)) s"
}
lane "sanitizer build and tests" bash "$root/scripts/check-sanitizers.sh"
lane "fuzz corpus replay" bash "$root/scripts/fuzz-replay.sh"
lane "pictures under memcheck" bash "$root/scripts/valgrind-pictures.sh" "$build"
lane "web page in Chromium" bash "$root/scripts/browser-checks.sh" "$build"
