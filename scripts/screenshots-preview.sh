#!/usr/bin/env bash
# Shows the demo's preview under Xvfb and openbox, the pointer over a button and
# one click told in the bottom line, and saves docs/screenshots/preview.png.
# Needs a build (scripts/build.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_BUILD_DIR:-$root/build}"
out="$root/docs/screenshots"
mkdir -p "$out"
work="$(mktemp -d)"
cp -r "$root/examples/demo/." "$work/"

export DISPLAY=:79
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
preview=
wm=
trap 'kill $preview $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$build/src/vyxedit" --preview "$work/launcher.ini" &
preview=$!
sleep 2
window=$(xdotool search --sync --name "Preview" | head -1)
xdotool windowmove "$window" 80 50; sleep 0.5
at() { xdotool mousemove $((80 + $1)) $((50 + $2)); sleep 0.4; }
at 150 135; xdotool click 1; sleep 0.4   # "Install": the bottom line tells what it would do
at 150 185                               # over "Read me": over picture and its help text
import -window root "$out/preview.png"
