#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor on the demo project.
# Without a display it runs under Xvfb, saves a screenshot and prints where.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
editor=("$build/src/vyxedit" "$root/examples/demo/launcher.ini")

if [[ -n "${DISPLAY:-}" ]]; then
  exec "${editor[@]}"
fi

shot="${VYX_SHOT:-$root/build/demo-screenshot.png}"
export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$editor_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
"${editor[@]}" &
editor_pid=$!
sleep "${VYX_SHOT_DELAY:-3}"
import -window root "$shot"
echo "No display: the editor ran under Xvfb; screenshot saved to $shot"
