#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes one reader of the game with libFuzzer (clang), AddressSanitizer and
# UndefinedBehaviorSanitizer:
#
#   bash scripts/fuzz.sh TARGET [SECONDS] [BUILD]
#
# TARGET is grid, savedgrid, settings, puzzletext or cli; SECONDS defaults to 1800; BUILD
# (default build-fuzz) is configured with clang and -DORVALIS_FUZZ=ON when it
# does not exist. The corpus of fuzz/corpus/TARGET is copied to a working
# folder under /tmp (the fuzzer adds what it finds there, the repository keeps
# its few dozen seeds); crashes and slow inputs go to /tmp/orvalis-fuzz/.
# The figures (executions, time) are the last lines of the output.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz.sh grid|savedgrid|settings|puzzletext|cli [seconds] [build]}
seconds=${2:-1800}
build=${3:-build-fuzz}
# Inputs of several megabytes for the readers of files and lines: a small cap
# hides a reading whose time grows with the square of the size.
case $target in
  grid) max_len=400 ;;
  cli|puzzletext) max_len=1048576 ;;
  savedgrid|settings) max_len=4194304 ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
if ! command -v clang++ > /dev/null; then
  echo "fuzzing needs clang and libFuzzer: apt-get install -y clang libclang-rt-14-dev" >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DORVALIS_FUZZ=ON \
    -DORVALIS_BUILD_TESTS=OFF -DORVALIS_BUILD_BENCH=OFF
fi
cmake --build "$build" --target "orvalis-fuzz-$target"
work=/tmp/orvalis-fuzz
mkdir -p "$work/corpus-$target" "$work/tmp"
cp -n fuzz/corpus/"$target"/* "$work/corpus-$target"/
# The storage targets write their files in memory when they can.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
exec "$build/fuzz/orvalis-fuzz-$target" -max_len="$max_len" -timeout=10 -max_total_time="$seconds" \
  -print_final_stats=1 -artifact_prefix="$work/$target-" "$work/corpus-$target"
