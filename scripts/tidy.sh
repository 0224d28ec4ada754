#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy at the root) on the sources of the core and the front ends (gui,
# cli, sim) with the default preset's compile database, and fails on any finding. Files given as
# arguments are checked instead of all of them (scripts/tidy.sh monitor/MainDisplay.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-tidy >/dev/null; then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang-tidy \
      >/dev/null
  else
    echo "tidy: clang-tidy is missing: sudo apt-get install clang-tidy" >&2
    exit 1
  fi
fi
# The compile database, and the Qt sources the windows' headers need, come with the build.
scripts/setup.sh default >/dev/null

files=("$@")
if ((${#files[@]} == 0)); then
  mapfile -t files < <(git ls-files 'base/*.cpp' 'platform/posix/*.cpp' 'link/*.cpp' \
    'views/*.cpp' 'monitor/*.cpp' 'access/*.cpp' 'session/*.cpp' 'config/*.cpp' \
    'firmware/*.cpp' 'program/*.cpp' 'gui/*.cpp' 'cli/*.cpp' 'sim/*.cpp')
fi
started=$SECONDS
# One clang-tidy for a few files at a time, as many at once as there are cores; only the
# findings are shown.
set +e
printf '%s\0' "${files[@]}" |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p build --quiet --use-color=false 2>&1 |
  grep -v -E '^[0-9]+ (warning|error)s? (generated|treated as errors?)\.$|^Suppressed [0-9]+ warning'
checked=${PIPESTATUS[1]}
set -e
if ((checked != 0)); then
  echo "tidy: clang-tidy found the faults above" >&2
  exit 1
fi
echo "tidy: ${#files[@]} files clean in $((SECONDS - started)) s"
