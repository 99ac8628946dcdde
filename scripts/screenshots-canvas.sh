#!/usr/bin/env bash
# Opens the demo in the editor under Xvfb and openbox, selects a button and
# drags it until it snaps, and saves docs/screenshots/canvas-snapping.png with
# the outlines, the handles and the guide, then opens the right-click menu on two
# selected buttons and saves docs/screenshots/canvas-menu.png. Needs a build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="$root/docs/screenshots"
mkdir -p "$out"

start_x_session 1024x800
run_bg "$build/src/vyxedit" "$work/launcher.ini"
sleep 2
main=$(timeout 20 xdotool search --sync --name "Vyx Demo Disc" | head -1)
xdotool windowmove "$main" 0 0; sleep 0.5
# The canvas starts under the menu bar; the demo's buttons are 250 x 40 from x = 40.
bar=${VYX_MENU_BAR:-24}
xdotool mousemove --window "$main" 100 $((bar + 286)) click 1; sleep 0.3   # Button#3 selected
# Button#3's left edge (40) dragged to 167: it snaps to the others' centre line at 165.
xdotool mousedown 1; sleep 0.2
for x in 140 180 200 227; do xdotool mousemove --window "$main" "$x" $((bar + 286)); sleep 0.1; done
sleep 0.5
import -window root -crop 700x560+0+0 +repage "$out/canvas-snapping.png"
xdotool mouseup 1; sleep 0.3
xdotool key ctrl+z; sleep 0.3
# The right-click menu on a selected button, its Align and Size submenu open.
xdotool mousemove --window "$main" 100 $((bar + 236)) click 1; sleep 0.2              # Button#2
xdotool keydown ctrl mousemove --window "$main" 100 $((bar + 336)) click 1 keyup ctrl  # + Button#4
sleep 0.3
xdotool mousemove --window "$main" 160 $((bar + 236)) click 3; sleep 0.6
xdotool key Down Down Down Down Down Down Right; sleep 0.6
import -window root -crop 645x625+0+0 +repage "$out/canvas-menu.png"
xdotool key Escape Escape
echo "Screenshots in $out/canvas-snapping.png and $out/canvas-menu.png"
