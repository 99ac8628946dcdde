#!/usr/bin/env bash
# Drives the editor on the demo project under Xvfb as a user would and saves the
# screenshots of the README and of the help topics into docs/screenshots. Needs a
# build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="$root/docs/screenshots"
command -v xdotool >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool >/dev/null; }
mkdir -p "$out"

start_x_session 1024x720 --no-wm
run_bg "$build/src/vyxedit" "$work/launcher.ini"
sleep 2
main=$(xdotool search --sync --name "Vyx Demo Disc" | head -1)
read -r wx wy < <(xdotool getwindowgeometry "$main" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
at() { xdotool mousemove $((wx + $1)) $((wy + $2)); sleep 0.4; }
shot() { import -window root -crop 1024x720+0+0 "$out/$1"; }

at 300 40; at 150 185           # over "Read me": over picture, help text, caption
shot main-window.png
xdotool mousedown 1; sleep 0.4  # click picture while held
shot click-state.png
xdotool mouseup 1; sleep 0.6    # release picks the button into the editor
editor_window=$(xdotool search --name "EDiT Buttons" | head -1)
xdotool windowmove "$editor_window" 680 10; sleep 0.3
at 583 486; xdotool click 1; sleep 0.6  # the System group's "List"
list=$(xdotool search --name "Buttonz LIST" | head -1)
xdotool windowmove "$list" 10 420; sleep 0.3
at 300 40
shot button-editor.png

# The shape window: a polygon drawn with Alt+A at each vertex while the button
# is held, then its preview ("ArrayList").
xdotool windowunmap "$editor_window"; xdotool windowunmap "$list"; sleep 0.3
at 523 506; xdotool click 1; sleep 1     # the System group's "Design"
shape=$(xdotool search --name "D3siGN" | head -1)
xdotool windowmove "$shape" 0 0; sleep 0.5
pic() { xdotool mousemove $((120 + $1)) $2; sleep 0.3; }
xdotool mousemove 526 485 click 1; sleep 0.4   # "Clear list"
pic 30 30; xdotool mousedown 1; sleep 0.3
for p in "610 30" "630 230" "610 440" "30 440" "10 230"; do pic $p; xdotool key alt+a; sleep 0.4; done
pic 30 42; xdotool mouseup 1; sleep 0.3
xdotool mousemove 153 511 click 1; sleep 0.5  # "ArrayList"
xdotool mousemove 900 700; sleep 0.4
import -window root -crop 760x530+0+0 "$out/shape-window.png"

# The mask maker on the background: the corner's black with tolerance 60, made and previewed.
xdotool windowunmap "$shape"; sleep 0.3
at 479 485; xdotool click 1; sleep 1     # "MASK"
xdotool key Return; sleep 1              # "Use background image?" Yes
mask=$(xdotool search --name "^MaskForm$" | head -1)
xdotool windowmove "$mask" 0 0; sleep 0.5
xdotool mousemove 138 2 click 1; sleep 0.3     # pick the colour
xdotool mousemove 96 77 click 1; xdotool key ctrl+a; xdotool type 60; sleep 0.2
xdotool mousemove 66 136 click 1; sleep 3      # "&Make mask"
xdotool mousemove 900 700; sleep 0.4
import -window root -crop 776x460+0+0 "$out/mask-maker.png"
echo "Screenshots in $out"
