#!/usr/bin/env bash
# Runs the picture loader over every committed picture in fuzz/corpus/bmp and
# fuzz/corpus/jpeg under valgrind's memcheck. Qt's BMP reader and libjpeg-turbo
# are not instrumented by the sanitizers; memcheck sees inside them. Each picture
# is the background of a one-line project that the normal build's vyxtool loads.
# Usage: valgrind-pictures.sh [BUILD_DIR]   (default build/, built by scripts/build.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
command -v valgrind >/dev/null || { echo "valgrind missing: apt-get install valgrind" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
for picture in "$root"/fuzz/corpus/bmp/* "$root"/fuzz/corpus/jpeg/*; do
  name="$(basename "$picture")"
  cp "$picture" "$work/$name"
  printf '[MAIN]\r\nbackground=%s\r\n' "$name" >"$work/launcher.ini"
  # Exit 1 is a picture refused with a message; memcheck's own errors exit 99.
  status=0
  valgrind --quiet --error-exitcode=99 --track-origins=yes "$build/src/vyxtool" dump "$work/launcher.ini" \
    >/dev/null 2>"$work/log" || status=$?
  if [[ $status -ne 0 && $status -ne 1 ]]; then
    echo "FAIL ($status): $name" >&2
    cat "$work/log" >&2
    failures=$((failures + 1))
  fi
  rm -f "$work/$name"
done
((failures == 0)) || { echo "$failures picture(s) failed under memcheck" >&2; exit 1; }
echo "every committed picture loads cleanly under memcheck"
