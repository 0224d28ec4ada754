#!/usr/bin/env bash
# Draws the Windows program's icon files (win/res/taviron.ico and the toolbar's tool-NN.ico)
# from the pictures the Qt windows draw, so that both window programs show the same ones. Run it
# after a picture changed, and commit what it wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" default taviron-win-icons >/dev/null
QT_QPA_PLATFORM=offscreen "$root/build/bin/taviron-win-icons" "$root/win/res"
echo "make-windows-icons: wrote $(ls "$root/win/res" | wc -l) files into win/res"
