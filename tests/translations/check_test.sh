#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The check of the translations on a tree of one source file: it passes only
# when every text is in a part file of each language and translated, French
# plural forms included. Usage: check_test.sh path/to/translations.sh
set -euo pipefail
check=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/src" "$root/translations"
failures=0

# expect PASS|FAIL WHAT: runs the check on the tree.
expect() {
  local status=PASS
  bash "$check" check "$root" >"$root/out" 2>&1 || status=FAIL
  if [ "$status" != "$1" ]; then
    echo "expected $1, got $status: $2"
    cat "$root/out"
    failures=$((failures + 1))
  fi
}

# A message of a .ts file, translated or not.
message() { # source translation
  if [ -n "$2" ]; then echo "<message><source>$1</source><translation>$2</translation></message>"
  else echo "<message><source>$1</source><translation type=\"unfinished\"></translation></message>"; fi
}
plural() { # source singular plural (none: unfinished)
  local type=""
  [ -n "$2" ] || type=' type="unfinished"'
  echo "<message numerus=\"yes\"><source>$1</source><translation$type><numerusform>$2</numerusform><numerusform>$3</numerusform></translation></message>"
}
ts() { # file language messages...
  local file=$1 language=$2
  shift 2
  printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s" sourcelanguage="fr_FR">\n<context><name>Menu</name>\n%s\n</context>\n</TS>\n' \
    "$language" "$*" >"$root/translations/$file"
}

cat >"$root/src/menu.cpp" <<'CPP'
#include <QCoreApplication>
QString Title() { return QCoreApplication::translate("Menu", "Nouvelle partie"); }
QString Count(int n) { return QCoreApplication::translate("Menu", "%n grille(s)", nullptr, n); }
CPP
expect FAIL "no .ts file at all"
ts a_en.ts en "$(message "Nouvelle partie" "New game")"
ts a_fr.ts fr "$(plural "%n grille(s)" "%n grille" "%n grilles")"
expect FAIL "the counted text is in no English file"
ts b_en.ts en "$(plural "%n grille(s)" "" "")"
expect FAIL "the counted text is unfinished in English"
ts b_en.ts en "$(plural "%n grille(s)" "%n grid" "%n grids")"
expect PASS "every text in one part or another, translated"
ts a_en.ts en "$(message "Nouvelle partie" "")"
expect FAIL "a text unfinished"
ts a_en.ts en "$(message "Nouvelle partie" "New game")" "$(message "Ancien texte" "Old text")"
expect PASS "a text gone from the sources does not count"
rm "$root/translations/a_fr.ts"
expect FAIL "no French plural forms for the counted text"
exit $((failures > 0))
