#!/usr/bin/env bash
# Names the licence of every source file of ours in its first lines, as one
# comment line "SPDX-License-Identifier: GPL-3.0-or-later":
#
#   bash scripts/spdx.sh            adds the line to every file that lacks it
#                                   (running it again changes nothing)
#   bash scripts/spdx.sh --check    changes nothing; lists the files that lack
#                                   it and exits 1 when there is one
#
# The files: C++ (.cpp, .h), CMake (CMakeLists.txt, .cmake), shell (.sh,
# .ci/run), Python (.py), SVG, HTML (.html, .html.in), CSS, Qt resource lists
# (.qrc), manual pages (.6.in) and desktop entries, each in its own comment
# syntax. The line goes first, or just after what must stay first: a "#!"
# line, an XML declaration, an HTML or RCC doctype. Left alone: the puzzles
# and other data the tests and fuzzers read (tests/data/, fuzz/corpus/), the
# help compiler's project files (.hhp, .hhc, .hhk), the AppStream file (its
# own <metadata_license> covers it), Markdown and the licence itself.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly tag="SPDX-License-Identifier: GPL-3.0-or-later"
mode=apply
case ${1:-} in
  "") ;;
  --check) mode=check ;;
  *) echo "usage: spdx.sh [--check]" >&2; exit 2 ;;
esac

# Every file of the tree: those git knows, or those on disk outside the build
# folders when this is not a git work tree (a source archive).
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files
  else
    find . -path './build*' -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||' | sort
  fi
}

# The comment line for a file and after which first line it goes ("-" when it
# goes first), or nothing for a file that is not a source of ours.
comment_for() {
  case $1 in
    tests/data/* | fuzz/corpus/*) ;;
    *.cpp | *.h) echo "// $tag|-" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake) echo "# $tag|-" ;;
    *.sh | .ci/run | *.py) echo "# $tag|#!" ;;
    *.svg) echo "<!-- $tag -->|<?xml" ;;
    *.html | *.html.in | *.qrc) echo "<!-- $tag -->|<!DOCTYPE" ;;
    *.css) echo "/* $tag */|-" ;;
    *.6.in) echo ".\\\" $tag|-" ;;
    *.desktop) echo "# $tag|-" ;;
  esac
}

missing=0
while IFS= read -r file; do
  rule=$(comment_for "$file")
  [ -n "$rule" ] || continue
  head -n 5 -- "$file" | grep -q "SPDX-License-Identifier:" && continue
  if [ "$mode" = check ]; then
    echo "$file"
    missing=1
    continue
  fi
  line=${rule%|*}
  after=${rule##*|}
  # The file is rewritten in place (cat >), keeping its modes.
  content=$(SPDX_LINE=$line SPDX_AFTER=$after awk '
    NR == 1 {
      line = ENVIRON["SPDX_LINE"]; after = ENVIRON["SPDX_AFTER"]
      first = toupper(substr($0, 1, length(after)))
      if (after != "-" && first == toupper(after)) { print; print line; next }
      print line
    }
    { print }' "$file"; printf x)
  printf '%s' "${content%x}" >"$file"
done < <(list_files)

if [ "$mode" = check ] && [ "$missing" = 1 ]; then
  echo "spdx.sh: the files above do not name their licence; run: bash scripts/spdx.sh" >&2
fi
exit "$missing"
