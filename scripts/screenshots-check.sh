#!/usr/bin/env bash
# Breaks a copy of the demo (a missing sound, a missing program, a help file in
# another letter case), opens it in the editor under Xvfb and openbox, presses
# "Check" and saves docs/screenshots/check-window.png. Needs a build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="$root/docs/screenshots"
mkdir -p "$out"

rm "$work/sounds/click.wav"
sed -i 's/^Params=setup\.bat/Params=setup.exe/' "$work/launcher.ini"
mv "$work/help/install.rtf" "$work/help/Install.rtf"

start_x_session 1024x800
run_bg "$build/src/vyxedit" "$work/launcher.ini"
sleep 2
main=$(timeout 20 xdotool search --sync --name "Vyx Demo Disc" | head -1)
xdotool windowmove "$main" 0 0; sleep 0.5
xdotool mousemove --window "$main" 554 468 click 1; sleep 1   # the System group's "Check"
check=$(timeout 10 xdotool search --sync --name "^Check$" | head -1)
xdotool windowsize "$check" 800 190; xdotool windowmove "$check" 110 566; sleep 0.5
xdotool mousemove 1000 20; sleep 0.4
import -window root -crop 1024x770+0+0 +repage "$out/check-window.png"
echo "Screenshot in $out/check-window.png"
