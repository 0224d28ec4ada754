#!/usr/bin/env bash
# Sets up, builds and runs every test: sequence tests on the simulated switch, the POSIX port
# on pseudo-terminals, the windows offscreen, and the real programs against taviron-switchsim.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
"$root/scripts/setup.sh" "$preset"
cd "$root"
ctest --preset "$preset" -j "$(nproc)"
