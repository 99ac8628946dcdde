#!/usr/bin/env bash
# Exports the demo as a web page with the normal build's vyxtool and checks it
# in headless Chromium through Selenium (tests/browser/check_web_page.py): no
# console error from file://, each button's over and click pictures on the
# screen, its help text, its link, Tab in slot order, and html5lib's strict parse.
# Installs Chromium, its driver and the Python modules first (install-deps.sh --browser).
# Usage: browser-checks.sh [BUILD_DIR] [SCREENSHOT.png]   (default build/, built by scripts/build.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
bash "$root/scripts/install-deps.sh" --browser
[[ -x "$build/src/vyxtool" ]] || { echo "no vyxtool in $build/src: build first (scripts/build.sh)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Debian's python3, which the python3-* packages serve, whatever python3 is first on PATH.
/usr/bin/python3 "$root/tests/browser/check_web_page.py" "$build/src/vyxtool" "$root/examples/demo/launcher.ini" \
  "$work/page" ${2:+"$2"}
