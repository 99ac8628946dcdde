#!/usr/bin/env bash
# Opens the Program Parameters dialog of the demo project under Xvfb and takes a
# picture of every tab: the Program tab and the About page go to
# docs/screenshots, all seven to the folder given (default: a temporary one).
# Needs a build (scripts/build.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_BUILD_DIR:-$root/build}"
out="$root/docs/screenshots"
tabs="${1:-$(mktemp -d)}"
mkdir -p "$out" "$tabs"
work="$(mktemp -d)"
cp -r "$root/examples/demo/." "$work/"

# A display number nobody else uses.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1024x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $editor $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
"$build/src/vyxedit" "$work/launcher.ini" &
editor=$!
main=$(xdotool search --sync --name "Vyx Demo Disc" | head -1)
sleep 1
xdotool windowactivate --sync "$main" key alt+p
dialog=$(xdotool search --sync --name "Program Parameters:" | head -1)
sleep 0.6
names=(program backgrounds sounds form about extensions defaults)
for i in "${!names[@]}"; do
  [ "$i" -gt 0 ] && { xdotool key --window "$dialog" ctrl+Tab; sleep 0.5; }
  import -window "$dialog" -frame "$tabs/params-${names[$i]}.png"
done
cp "$tabs/params-program.png" "$tabs/params-about.png" "$out/"
echo "Tabs in $tabs; the Program tab and the About page in $out"
