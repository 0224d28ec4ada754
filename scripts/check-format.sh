#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what .clang-format makes of it, and
# names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang-format \
      >/dev/null
  else
    echo "format: clang-format is missing: sudo apt-get install clang-format" >&2
    exit 1
  fi
fi
unformatted=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if ((${#unformatted[@]})); then
  echo "format: not formatted with .clang-format: ${unformatted[*]}" >&2
  echo "format: clang-format -i ${unformatted[*]}" >&2
  exit 1
fi
echo "format: every C++ file as .clang-format has it"
