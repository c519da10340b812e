#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the running game under a virtual display, into a folder
# (build/screenshots by default): the menu windowed and full screen, every
# dialog, the game screen in digits and letters, the same digit highlighted on
# both backgrounds, the pause, the keyboard on the menu, the options, rules,
# tips and help, the printed page, and the error signals in several colours
# (signals: windowed on "Classique" in digits; signals-full-clouds-letters:
# full screen on "Nuage" in letters), and hints with their cells tinted
# (hints), one hint climbed a rung at a time by "Coup de pouce" then given
# whole by "Indice" (ladder), a "Diabolique" game with an advanced hint
# and its high scores (diabolique), and digit-first play (digitfirst).
# SCENARIOS="a b" takes only those; ORVALIS_SEED=n generates every
# grid from that seed, so that the pictures of two builds can be compared.
# Needs the packages xvfb, xauth and poppler-utils; with openbox installed
# the windows get a frame and full screen works as on a desktop.
#
#   bash scripts/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
program=$build/orvalis-screenshots
# WRAP: a command the program runs under (faketime for the daily grids).
shoot() {
  xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    if command -v openbox >/dev/null; then openbox & sleep 1; fi
    ${WRAP:-} "$0" "$1" "$2"' "$@"
}
for scenario in ${SCENARIOS:-windowed fullscreen letters untimed noimages highlight clouds statistics booklet signals signals-full-clouds-letters hints ladder diabolique digitfirst}; do
  shoot "$program" "$scenario" "$out"
done
for pdf in "$out"/*-print.pdf; do
  if [ -f "$pdf" ]; then pdftoppm -r 100 -png -singlefile "$pdf" "${pdf%.pdf}"; fi
done
# The daily grid of two dates (a Monday and a Sunday), with faketime when it is there.
if command -v faketime >/dev/null; then
  for date in 2026-12-07 2026-12-13; do
    WRAP="faketime $date" shoot "$program" daily "$out"
  done
fi
if [ -f "$out/booklet.pdf" ]; then
  pdftoppm -r 50 -png "$out/booklet.pdf" "$out/booklet"
fi
ls "$out"
