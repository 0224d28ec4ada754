#!/usr/bin/env bash
# Fails when an include points up a layer, or across to another folder of the same layer (which
# is how two folders end up including each other). The layers, lowest first, are those of the
# top CMakeLists.txt; a folder of tests, benchmarks, fuzz targets or tools may include any.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case $1 in
    base) echo 0 ;;
    platform/posix | platform/win32) echo 1 ;;
    link) echo 2 ;;
    views) echo 3 ;;
    monitor) echo 4 ;;
    access) echo 5 ;;
    session) echo 6 ;;
    config | firmware) echo 7 ;;
    program) echo 8 ;;
    sim | cli | gui/common | win/common) echo 9 ;;
    gui/monitor | gui/access | gui/config | gui/firmware) echo 10 ;;
    win/monitor | win/access | win/config | win/firmware) echo 10 ;;
    gui/app | win/app) echo 11 ;;
    *) echo "" ;;
  esac
}

# The layer folder of a path: two levels for platform/ and the window front ends (gui/, win/),
# one for the rest.
folder() {
  case $1 in
    platform/* | gui/* | win/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
  esac
}

bad=0
checked=0
while IFS= read -r file; do
  from=$(folder "$file")
  from_rank=$(rank "$from")
  [[ -n $from_rank ]] || continue
  while IFS= read -r included; do
    to=$(folder "$included")
    to_rank=$(rank "$to")
    if [[ -z $to_rank ]]; then
      echo "layers: $file includes $included, which is in no layer"
      bad=1
    elif [[ $to != "$from" ]] && ((to_rank >= from_rank)); then
      if ((to_rank > from_rank)); then
        echo "layers: $file ($from) includes $included ($to), a layer above"
      else
        echo "layers: $file ($from) includes $included ($to), beside it in the same layer"
      fi
      bad=1
    fi
    checked=$((checked + 1))
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.cpp' '*.h')

if ((bad)); then
  echo "layers: includes must point down the layers"
  exit 1
fi
echo "layers: $checked includes, all pointing down"
