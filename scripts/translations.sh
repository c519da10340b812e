#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations of the interface (French is the program's own text; the
# other languages come from translations/*_<lang>.ts, compiled by the build):
#
#   bash scripts/translations.sh update
#       reads every text of src/ into translations/orvalis_<lang>.ts for
#       English and every language of translations/, keeping what is
#       translated; French gets its plural forms only (orvalis_fr.ts)
#   bash scripts/translations.sh count [FILE.ts...]
#       prints the number of texts and of unfinished ones of the files
#       (translations/*_en.ts by default), together
#   bash scripts/translations.sh check [ROOT]
#       changes nothing; reads every text of ROOT/src (ROOT: this tree) into a
#       copy of ROOT/translations/*_<lang>.ts for each language, and exits 1
#       when a text is missing or unfinished there (for French, a plural form)
#
# The tools: $LUPDATE and $LCONVERT, else Qt's from /usr/lib/qt6/bin or PATH.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

tool() {
  local var=$1 name=$2
  if [ -n "${!var:-}" ]; then echo "${!var}"
  elif [ -x "/usr/lib/qt6/bin/$name" ]; then echo "/usr/lib/qt6/bin/$name"
  else command -v "$name" || { echo "translations.sh: $name not found (qt6-l10n-tools)" >&2; exit 2; }
  fi
}
LUPDATE=$(tool LUPDATE lupdate)
LCONVERT=$(tool LCONVERT lconvert)

# The languages of a tree: English, French and those of its translations/*_<lang>.ts.
languages() {
  local file
  {
    echo en
    echo fr
    for file in "$1"/translations/*_*.ts; do
      [ -e "$file" ] || continue
      file=${file##*_}
      echo "${file%.ts}"
    done
  } | sort -u
}

# lupdate's options for a language: French, the source language, keeps only
# the plural forms of its texts.
lupdate_options() {
  local options=(-source-language fr_FR -target-language "$1" -locations relative -no-obsolete -silent)
  [ "$1" = fr ] && options+=(-pluralonly)
  echo "${options[@]}"
}

# "texts N unfinished M" of the .ts files given, counted in their XML:
# a text is a <message>, unfinished when its translation says so.
count() {
  local texts unfinished
  texts=$(cat "$@" | grep -c '<message[ >]' || true)
  unfinished=$(cat "$@" | grep -c '<translation[^>]*type="unfinished"' || true)
  echo "texts $texts unfinished $unfinished"
}

update() {
  local lang
  for lang in $(languages "$here") fr; do
    # shellcheck disable=SC2046
    (cd "$here" && "$LUPDATE" $(lupdate_options "$lang") src -ts "translations/orvalis_$lang.ts")
  done
}

check() {
  local root=${1:-$here} work lang parts failed=0
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  for lang in $(languages "$root"); do
    parts=()
    for part in "$root"/translations/*_"$lang".ts; do [ -e "$part" ] && parts+=(-i "$part"); done
    # The parts as one file, then every text of the sources read into it.
    [ ${#parts[@]} -eq 0 ] || "$LCONVERT" "${parts[@]}" -o "$work/all_$lang.ts"
    # shellcheck disable=SC2046
    (cd "$root" && "$LUPDATE" $(lupdate_options "$lang") src -ts "$work/all_$lang.ts") >/dev/null
    read -r _ texts _ unfinished < <(count "$work/all_$lang.ts")
    echo "$lang: $texts texts, $unfinished unfinished"
    if [ "$unfinished" != 0 ]; then
      failed=1
      echo "Missing or unfinished in translations/*_$lang.ts:"
      grep -B5 '<translation[^>]*type="unfinished"' "$work/all_$lang.ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/  \1/p'
    fi
  done
  return $failed
}

case ${1:-} in
  update) update ;;
  count)
    shift
    if [ $# -eq 0 ]; then set -- "$here"/translations/*_en.ts; fi
    count "$@" ;;
  check) shift; check "$@" ;;
  *) echo "usage: translations.sh update | count [FILE.ts...] | check [ROOT]" >&2; exit 2 ;;
esac
