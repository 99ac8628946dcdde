#!/usr/bin/env bash
# Shows the demo's preview under Xvfb and openbox, the pointer over a button and
# one click told in the bottom line, and saves docs/screenshots/preview.png (the
# README and the preview's help topic show it).
# Needs a build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="$root/docs/screenshots"
mkdir -p "$out"

start_x_session 800x600
run_bg "$build/src/vyxedit" --preview "$work/launcher.ini"
sleep 2
window=$(xdotool search --sync --name "Preview" | head -1)
xdotool windowmove "$window" 80 50; sleep 0.5
at() { xdotool mousemove $((80 + $1)) $((50 + $2)); sleep 0.4; }
at 150 135; xdotool click 1; sleep 0.4   # "Install": the bottom line tells what it would do
at 150 185                               # over "Read me": over picture and its help text
import -window root "$out/preview.png"
