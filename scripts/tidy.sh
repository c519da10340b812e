#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (Debian's clang-tidy package) with .clang-tidy over every C++
# source of ours that the build compiles, as compile_commands.json lists them:
#
#   bash scripts/tidy.sh [BUILD] [--fix]
#
# BUILD (default build) is a configured build folder (the moc and resource
# files it generates are not ours and are left out). Prints each finding and
# exits 1 when there is one; --fix applies clang-tidy's fixes where it has them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
fix=()
for arg in "$@"; do
  case $arg in
    --fix) fix=(-fix) ;;
    -*) echo "usage: tidy.sh [BUILD] [--fix]" >&2; exit 2 ;;
    *) build=$arg ;;
  esac
done
[ -f "$build/compile_commands.json" ] || { echo "tidy.sh: no $build/compile_commands.json: configure $build first" >&2; exit 2; }
command -v run-clang-tidy >/dev/null || { echo "tidy.sh: run-clang-tidy is missing (apt-get install clang-tidy)" >&2; exit 2; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Our sources only: the generated moc and resource files live in the build folder.
PYTHONUNBUFFERED=1 run-clang-tidy -p "$build" -quiet -j "$(nproc)" "${fix[@]}" "^$PWD/(src|tests|bench|fuzz|resources|packaging)/.*\.cpp$" \
  2>/dev/null | sed 's/\x1b\[[0-9;]*m//g' | tee "$log" | grep -v '^clang-tidy-[0-9]* ' || true
if grep -q ': \(warning\|error\): ' "$log"; then
  echo "tidy.sh: $(grep -c ': \(warning\|error\): ' "$log") findings" >&2
  exit 1
fi
echo "tidy.sh: clean"
