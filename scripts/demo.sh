#!/usr/bin/env bash
# Sets up and builds TAVIRON, starts the simulated switch on a pseudo-terminal, points COM1 at
# it and opens the program. Options are passed to the simulator (for example --password abc;
# see build/bin/taviron-switchsim --help). Without a display, the program runs under a virtual
# display and a screenshot of its window is saved.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" default
bin="$root/build/bin"
run=$(mktemp -d /tmp/taviron-demo-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

"$bin/taviron-switchsim" --link "$run/switch" "$@" >"$run/switchsim.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -e "$run/switch" ]] && break; sleep 0.1; done
[[ -e "$run/switch" ]] || { cat "$run/switchsim.log" >&2; exit 1; }
export TAVIRON_COM1="$run/switch"
echo "demo: simulated switch on $(readlink "$run/switch"), COM1 points at it"

if [[ -n "${DISPLAY:-}" ]]; then
  "$bin/taviron"
  exit 0
fi

display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done
# A window manager frames the windows as on a desktop.
openbox >"$run/openbox.log" 2>&1 &
pids+=($!)
sleep 1
"$bin/taviron" >"$run/taviron.log" 2>&1 &
program=$!
pids+=("$program")
sleep 5
"$bin/taviron-screenshot" "$run/taviron.png"
kill -TERM "$program"
wait "$program" || true
echo "demo: no display here, so TAVIRON ran under a virtual display ($DISPLAY)."
echo "demo: screenshot of its window: $run/taviron.png"
