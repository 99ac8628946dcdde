# Sourced by the screenshot scripts: a private X server with openbox, a copy of
# the demo project in $work, and everything cleaned up on exit.
# Usage: start_x_session WIDTHxHEIGHT [--no-wm]; then run programs with run_bg.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${VYX_BUILD_DIR:-$root/build}"
work="$(mktemp -d)"
cp -r "$root/examples/demo/." "$work/"
x_pids=()
trap 'kill "${x_pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

# Starts a command in the background and stops it on exit.
run_bg() { "$@" & x_pids+=("$!"); }

start_x_session() {
  # A display number nobody else uses.
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  export DISPLAY=":$n"
  run_bg Xvfb "$DISPLAY" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1
  sleep 1
  if [ "${2:-}" != --no-wm ]; then
    run_bg openbox >/dev/null 2>&1
    sleep 1
  fi
}
