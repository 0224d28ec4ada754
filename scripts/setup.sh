#!/usr/bin/env bash
# Installs what the build needs (Debian 12; as root, missing packages are installed), then
# configures and builds one preset: default (the program, the simulator and the tests), asan
# or fuzz. Targets after the preset build only those (scripts/setup.sh default taviron-switchsim).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
targets=("${@:2}")

# The fonts are those the windows are drawn with: Arial's metrics (Liberation Sans) and the
# Japanese of the file dialogs' filters. Qt's private headers let the window tests hear what the
# windows tell a screen reader.
packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-liberation fonts-ipafont-gothic
  qt6-base-private-dev
  libinih-dev libgtest-dev libgmock-dev libcli11-dev
  xvfb xauth openbox xdotool x11-utils sdcc srecord
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "setup: installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  else
    echo "setup: missing Debian packages: ${missing[*]}" >&2
    echo "setup: run this as root, or: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

cd "$root"
configure=(--preset "$preset")
# Compiler and linker flags in the environment reach the build on every configure, not only on
# the first one as CMake would take them: the package's build passes the distribution's
# hardening flags this way (scripts/package.sh, from dpkg-buildflags).
if [[ -n ${CPPFLAGS:-}${CXXFLAGS:-} ]]; then
  configure+=("-DCMAKE_CXX_FLAGS=${CPPFLAGS:-} ${CXXFLAGS:-}")
fi
if [[ -n ${LDFLAGS:-} ]]; then
  configure+=("-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS")
fi
cmake "${configure[@]}" >/dev/null
if ((${#targets[@]})); then
  cmake --build --preset "$preset" --target "${targets[@]}"
else
  cmake --build --preset "$preset"
fi
