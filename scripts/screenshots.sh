#!/usr/bin/env bash
# Screenshots of the running game under a virtual display, into a folder
# (build/screenshots by default): the menu windowed and full screen, every
# dialog, the game screen in digits and letters, the same digit highlighted on
# both backgrounds, the pause, the keyboard on the menu, the options, rules,
# tips and help, the printed page, and the error signals in several colours
# (signals: windowed on "Classique" in digits; signals-full-clouds-letters:
# full screen on "Nuage" in letters). SCENARIOS="a b" takes only those. Needs the packages xvfb, xauth and poppler-utils;
# with openbox installed the windows get a frame and full screen works as on a
# desktop.
#
#   bash scripts/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
program=$build/orvalis-screenshots
for scenario in ${SCENARIOS:-windowed fullscreen letters untimed noimages highlight clouds signals signals-full-clouds-letters}; do
  xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    if command -v openbox >/dev/null; then openbox & sleep 1; fi
    "$0" "$1" "$2"' "$program" "$scenario" "$out"
done
for pdf in "$out"/*-print.pdf; do
  if [ -f "$pdf" ]; then pdftoppm -r 100 -png -singlefile "$pdf" "${pdf%.pdf}"; fi
done
ls "$out"
