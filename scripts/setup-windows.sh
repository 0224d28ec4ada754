#!/usr/bin/env bash
# Installs what the Windows build needs (Debian 12; as root, missing packages are installed):
# MinGW-w64, Wine, the GoogleTest sources and the header-only CLI11. Then builds GoogleTest for
# MinGW into the build's own prefix (build-windows/deps), stages CLI11 there, and proves both
# with a trivial test executable run under Wine. Running it again only redoes what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVIRON_WINDOWS_BUILD:-$root/build-windows}
deps=$build/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake

packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev
  sdcc srecord
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "setup-windows: installing ${missing[*]}"
    # Another apt-get on the same machine holds the lock for a while; wait for it.
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
      --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "setup-windows: missing Debian packages: ${missing[*]}" >&2
    echo "setup-windows: run this as root, or: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

# GoogleTest from the distribution's sources, built once with the cross compiler.
if [[ ! -f $deps/lib/cmake/GTest/GTestConfig.cmake ]]; then
  echo "setup-windows: building GoogleTest for MinGW into $deps"
  cmake -S /usr/src/googletest -B "$build/deps-build/googletest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$build/deps-build/googletest" -j2 >/dev/null
  cmake --install "$build/deps-build/googletest" >/dev/null
fi

# CLI11 is headers only and its package file finds them relative to itself, so a copy of both
# serves the cross build without letting it see the rest of /usr/include.
if [[ ! -f $deps/share/cmake/CLI11/CLI11Config.cmake ]]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/CLI "$deps/include/"
  cp -r /usr/share/cmake/CLI11 "$deps/share/cmake/"
fi

# A trivial test, compiled against the staged GoogleTest and run under Wine in a prefix of its
# own, shows that the compiler, the libraries and Wine work together.
smoke=$build/deps-build/smoke
if [[ ! -f $smoke/passed ]]; then
  echo "setup-windows: checking GoogleTest under Wine"
  mkdir -p "$smoke/src"
  cat >"$smoke/src/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(smoke LANGUAGES CXX)
find_package(GTest REQUIRED)
add_executable(smoke smoke.cpp)
target_link_libraries(smoke PRIVATE GTest::gtest_main)
EOF
  cat >"$smoke/src/smoke.cpp" <<'EOF'
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(Smoke, SleepsAndCompares) {
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(1 + 1, 2);
}
EOF
  cmake -S "$smoke/src" -B "$smoke/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_FIND_ROOT_PATH="$deps" >/dev/null
  cmake --build "$smoke/build" >/dev/null
  # shellcheck source=scripts/wine-env.sh
  source "$root/scripts/wine-env.sh"
  trap 'wine_env_stop' EXIT
  wine_env_start "$build/wine"
  wine "$smoke/build/smoke.exe" --gtest_brief=1
  wine_env_stop
  trap - EXIT
  touch "$smoke/passed"
fi
echo "setup-windows: MinGW-w64, Wine and GoogleTest ready ($deps)"
