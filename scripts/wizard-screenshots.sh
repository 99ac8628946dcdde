#!/usr/bin/env bash
# Opens the autorun wizard on the demo project under Xvfb and openbox, walks its
# pages as a user would and saves pages 4 and 8 into docs/screenshots (page 1,
# which the README does not show, into /tmp).
# Needs a build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="${VYX_SHOT_DIR:-$root/docs/screenshots}"
mkdir -p "$out"
mkdir -p "$work/launcher"
cp "$work/launcher.ini" "$work/launcher/launcher.ini"
printf 'MZ' > "$work/launcher/launcher.exe"

start_x_session 1024x720
run_bg env -C "$work" "$build/src/vyxedit" launcher.ini
main=$(xdotool search --sync --name "Vyx Demo Disc" | head -1)
sleep 2
left=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
top=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
xdotool mousemove $((left + 72)) $((top + 528)) click 1   # "Autorun.inf wizard"
wizard=$(xdotool search --sync --name "autorun.inf Vyx wizard" | head -1)
sleep 1
# The wizard with openbox's frame around it.
shot() {
    local x y w h
    x=$(xwininfo -id "$wizard" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$wizard" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$wizard" | awk '/Width/ {print $2}')
    h=$(xwininfo -id "$wizard" | awk '/Height/ {print $2}')
    import -window root -crop "$((w + 2))x$((h + 22))+$((x - 1))+$((y - 21))" +repage "$1"
}
key() { xdotool key --window "$wizard" "$@"; sleep 0.5; }
shot "${VYX_PAGE1_SHOT:-/tmp/wizard-page1.png}"
key alt+n; key alt+n; key alt+n        # pages 2 and 3 check the folder and the player's files
shot "$out/wizard-page4.png"
key alt+n; key alt+n; key alt+n; key alt+n   # splash image, command line, icon, preview
shot "$out/wizard-page8.png"
echo "Screenshots in $out"
