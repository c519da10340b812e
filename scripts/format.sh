#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out our C++ sources by .clang-format (clang-format, Debian's
# clang-format package):
#
#   bash scripts/format.sh            rewrites every file that differs
#   bash scripts/format.sh --check    changes nothing; lists the files that
#                                     differ and exits 1 when there is one
#
# The files are those git knows under bench/ fuzz/ packaging/ resources/ src/
# tests/ ending in .cpp or .h.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=apply
case ${1:-} in
  "") ;;
  --check) mode=check ;;
  *) echo "usage: format.sh [--check]" >&2; exit 2 ;;
esac
clang_format=${CLANG_FORMAT:-clang-format}
command -v "$clang_format" >/dev/null || { echo "format.sh: $clang_format is not installed (apt-get install clang-format)" >&2; exit 2; }
mapfile -t files < <(git ls-files -- 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'packaging/*.cpp' \
  'resources/*.cpp' 'resources/*.h' 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
if [ "$mode" = apply ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$clang_format" -i --style=file
  exit 0
fi
differ=0
for f in "${files[@]}"; do
  if ! "$clang_format" --style=file --dry-run --Werror "$f" 2>/dev/null; then
    echo "$f"
    differ=1
  fi
done
if [ "$differ" = 1 ]; then
  echo "format.sh: the files above are not laid out by .clang-format; run: bash scripts/format.sh" >&2
fi
exit "$differ"
