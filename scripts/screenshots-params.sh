#!/usr/bin/env bash
# Opens the Program Parameters dialog of the demo project under Xvfb and takes a
# picture of every tab: the Program tab and the About page go to
# docs/screenshots, all seven to the folder given (default: a temporary one).
# Needs a build (scripts/build.sh).
set -euo pipefail
source "$(dirname "$0")/lib/x-session.sh"
out="$root/docs/screenshots"
tabs="${1:-$(mktemp -d)}"
mkdir -p "$out" "$tabs"

start_x_session 1024x720
run_bg "$build/src/vyxedit" "$work/launcher.ini"
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
