#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer target (fuzz/*_fuzz.cpp) with its seed corpus
# (fuzz/seeds/<name without _fuzz>) for SECONDS each, one after the other. Fails when a target
# has no binary, or when one crashes or finds an input that breaks one of its properties; the
# finding is kept in build-fuzz/findings/ and its libFuzzer log printed.
# Usage: scripts/fuzz.sh [SECONDS] [NAME...]   (default 20 s, every target)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
names=("${@:2}")
cd "$root"
scripts/setup.sh fuzz

if ((${#names[@]} == 0)); then
  for source in fuzz/*_fuzz.cpp; do
    names+=("$(basename "$source" _fuzz.cpp)")
  done
fi
missing=0
for name in "${names[@]}"; do
  if [[ ! -f fuzz/${name}_fuzz.cpp ]]; then
    echo "fuzz: no target fuzz/${name}_fuzz.cpp" >&2
    missing=1
  elif [[ ! -x build-fuzz/bin/${name}_fuzz ]]; then
    echo "fuzz: fuzz/${name}_fuzz.cpp has no binary build-fuzz/bin/${name}_fuzz" >&2
    missing=1
  fi
done
((missing == 0)) || exit 1

findings=build-fuzz/findings
mkdir -p "$findings"
failed=0
for name in "${names[@]}"; do
  work=$(mktemp -d)
  seeds=()
  [[ -d fuzz/seeds/$name ]] && seeds=("fuzz/seeds/$name")
  echo "fuzz: $name for $seconds s"
  # New inputs go to the scratch corpus first; the seeds stay as they are checked in.
  if "build-fuzz/bin/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/${name}-" "$work" "${seeds[@]}" >"$work/log" 2>&1; then
    grep -E '^#[0-9]+.*(DONE|pulse)' "$work/log" | tail -n 1 || true
    grep -E '^stat::number_of_executed_units' "$work/log" || true
  else
    cat "$work/log"
    echo "fuzz: $name failed; the input is in $findings/" >&2
    failed=1
  fi
  rm -rf "$work"
done
exit "$failed"
