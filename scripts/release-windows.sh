#!/usr/bin/env bash
# The Windows release: builds the windows preset (MinGW-w64; scripts/setup-windows.sh installs
# what it needs) and packs the programs, stripped, with the licence into
# build-windows/release/taviron-VERSION-windows-x64.zip. Each program is one file that needs no
# library beside it: copy it anywhere and run it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-windows
version=$(sed -n 's/^project(taviron VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=taviron-$version-windows-x64
stage=$build/release/$name
zip=$build/release/$name.zip

# What the zip holds: programs from the build, then other files from the source tree.
programs=(taviron.exe taviron-cli.exe)
documents=(LICENSE)

"$root/scripts/setup-windows.sh" >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target "${programs[@]%.exe}" | tail -1

rm -rf "$stage" "$zip"
mkdir -p "$stage"
for program in "${programs[@]}"; do
  x86_64-w64-mingw32-strip -o "$stage/$program" "$build/bin/$program"
done
for document in "${documents[@]}"; do
  cp "$root/$document" "$stage/"
done
# CMake writes the zip itself: no archiver to install.
(cd "$build/release" && cmake -E tar cf "$zip" --format=zip "$name")
echo "release-windows: $zip"
(cd "$stage" && ls -l "${programs[@]}" "${documents[@]}")
