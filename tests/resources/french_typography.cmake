# SPDX-License-Identifier: GPL-3.0-or-later
# The French typography of what the player reads: our help pages and index,
# the rules and tips texts, and the French strings of the program's sources.
#   - a no-break space (U+00A0: "&nbsp;" in HTML, "\u00A0" or the character
#     itself in C++) before ":", ";", "?" and "!", and inside « »;
#   - in the help and the texts, the straight apostrophe, never the curly one.
# Left out as not French prose: tags and attributes, <code>, comments, raw
# strings, style sheets, literals with no word followed by a space (paths,
# patterns, log formats), the command-line tool and the English hint writer
# (they speak English), and a mark followed by no space at all (12:30,
# "http://"). A few labels and messages keep their established spelling,
# faults included (Established).
#
#   cmake -DROOT=<source folder> -P french_typography.cmake
if(NOT DEFINED ROOT)
  message(FATAL_ERROR "french_typography.cmake: -DROOT=<source folder> is missing")
endif()

set(Established
  "MODE :" "Temps:" "Indice(s):" "Votre score:" "Nom du fichier:" "Nom de la grille:"
  "Type des briques:" "Taille de l'ecran de jeu:" "Fond d'écran:" "Niveau de la grille:"
  "Méthode 1:" "Méthode 2:" "Méthode 3:" "Méthode 4:"
  "avec cette grille? (Si" "une des solutions?")

# Placeholders of one byte, so that regular expressions can name them and ";"
# or brackets in a text never split a CMake list.
string(ASCII 2 NB)
string(ASCII 3 SEMI)
string(ASCII 4 OPEN)
string(ASCII 5 CLOSE)
string(ASCII 6 BACKSLASH)
string(ASCII 194 160 nbsp)
string(ASCII 226 128 175 narrow_nbsp)

function(protect var)
  set(t "${${var}}")
  string(REPLACE ";" "${SEMI}" t "${t}")
  string(REPLACE "[" "${OPEN}" t "${t}")
  string(REPLACE "]" "${CLOSE}" t "${t}")
  string(REPLACE "${nbsp}" "${NB}" t "${t}")
  string(REPLACE "${narrow_nbsp}" "${NB}" t "${t}")
  set(${var} "${t}" PARENT_SCOPE)
endfunction()

# The prose of a help page, a text or an index: its text between the tags, or
# the names of an index's entries.
function(html_prose file out)
  file(READ ${file} t)
  protect(t)
  if(file MATCHES "\\.hh[ck]$")
    string(REGEX MATCHALL "<param name=\"Name\" value=\"[^\"]*\">" t "${t}")
    string(REPLACE ";" "\n" t "${t}")
  endif()
  string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" t "${t}")
  string(REGEX REPLACE "<code>[^<]*</code>" "" t "${t}")
  string(REGEX REPLACE "<param name=\"Name\" value=\"([^\"]*)\">" "\\1" t "${t}")
  string(REGEX REPLACE "<[^>]*>" "" t "${t}")
  string(REPLACE "&nbsp${SEMI}" "${NB}" t "${t}")
  string(REPLACE "&#160${SEMI}" "${NB}" t "${t}")
  string(REGEX REPLACE "[ \t\n]+" " " t "${t}")  # as a browser reads it
  set(${out} "${t}" PARENT_SCOPE)
endfunction()

# The string literals of a C++ source, adjacent ones joined, one per line.
function(cpp_prose file out)
  file(READ ${file} t)
  protect(t)
  string(REGEX REPLACE "[^\n]*R\"[^\n]*" "" t "${t}")
  string(REPLACE "'\"'" "''" t "${t}")
  string(REPLACE "'\\\"'" "''" t "${t}")
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" t "${t}")
  string(REGEX REPLACE "(^|[ \t\n])//[^\n]*" "\\1" t "${t}")
  string(REGEX REPLACE "\"[ \t\n]*\"" "" t "${t}")
  string(REGEX MATCHALL "\"([^\"\\\\\n]|\\\\.)*\"" literals "${t}")
  set(prose "")
  foreach(literal IN LISTS literals)
    string(REPLACE "\\u00A0" "${NB}" literal "${literal}")
    string(REPLACE "\\u00a0" "${NB}" literal "${literal}")
    # A style sheet, or no word followed by a space (a path, a pattern, a log
    # format): not prose.
    if(literal MATCHES "[{}]" OR NOT literal MATCHES "[A-Za-z][ ${NB}]")
      continue()
    endif()
    string(REGEX REPLACE "<[^>]*>" "" literal "${literal}")
    string(APPEND prose "${literal}\n")
  endforeach()
  set(${out} "${prose}" PARENT_SCOPE)
endfunction()

set(faults "")
function(check file prose curly_too)
  string(REPLACE "\\" "${BACKSLASH}" prose "${prose}")
  foreach(text IN LISTS Established)
    protect(text)
    string(REPLACE "${text}" "" prose "${prose}")
  endforeach()
  set(patterns
    "[^ \t\n${NB}]*[ \t\n]+[:${SEMI}?!]"                  # an ordinary space before
    "[^ \t\n${NB}]+[:${SEMI}?!]([ \t\n${NB}\"]|$)"        # no space at all
    "«[^${NB}][^ \t\n]*" "[^ \t\n]*[^${NB}]»")           # « » without theirs
  if(curly_too)
    list(APPEND patterns "[^ \t\n]*’[^ \t\n]*")
  endif()
  set(found "")
  foreach(pattern IN LISTS patterns)
    string(REGEX MATCHALL "${pattern}" matches "${prose}")
    list(APPEND found ${matches})
  endforeach()
  file(RELATIVE_PATH name ${ROOT} ${file})
  foreach(match IN LISTS found)
    string(REPLACE "${NB}" "<nbsp>" match "${match}")
    string(REPLACE "${SEMI}" ";" match "${match}")
    string(REPLACE "${OPEN}" "[" match "${match}")
    string(REPLACE "${CLOSE}" "]" match "${match}")
    string(REPLACE "${BACKSLASH}" "\\" match "${match}")
    string(REPLACE "\n" "\\n" match "${match}")
    string(APPEND faults "  ${name}: ${match}\n")
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

file(GLOB pages
  ${ROOT}/resources/help/*.html ${ROOT}/resources/help/*.html.in
  ${ROOT}/resources/help/*.hhc ${ROOT}/resources/help/*.hhk
  ${ROOT}/resources/texts/*.html)
file(GLOB_RECURSE sources ${ROOT}/src/*.cpp ${ROOT}/src/*.h)
list(FILTER sources EXCLUDE REGEX "/src/cli/")
list(FILTER sources EXCLUDE REGEX "/src/engine/hintwriter_en\\.cpp$")
list(LENGTH pages page_count)
if(page_count LESS 20 OR NOT sources)
  message(FATAL_ERROR "no help pages or sources under ${ROOT}")
endif()

foreach(file IN LISTS pages)
  html_prose(${file} prose)
  check(${file} "${prose}" TRUE)
endforeach()
foreach(file IN LISTS sources)
  cpp_prose(${file} prose)
  check(${file} "${prose}" FALSE)
endforeach()

if(faults)
  message(FATAL_ERROR "French punctuation without its no-break space, or a curly apostrophe:\n${faults}")
endif()
list(LENGTH sources source_count)
message(STATUS "${page_count} pages and texts, ${source_count} sources: French punctuation well spaced")
