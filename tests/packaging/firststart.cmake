# SPDX-License-Identifier: GPL-3.0-or-later
# require_defined(<script> <var>...): stops the script when one of the
# variables it is given with -D is missing.
function(require_defined script)
  foreach(var ${ARGN})
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "${script}: -D${var}=... is missing")
    endif()
  endforeach()
endfunction()

# first_start(<program> <expected data folder> <work>): runs a copy of
# orvalis-start-check with HOME in <work>/home and XDG_DATA_HOME at <work>/xdg,
# and checks what it says and leaves: the data read from the expected folder,
# the player's files in <work>/xdg/orvalis ("sudoku.ini" and the saved grid in
# "Sauvegarde"), and the help naming VERSION. What went wrong is appended to
# the caller's list `problems`.
function(first_start program data work)
  set(player ${work}/xdg/orvalis)
  file(MAKE_DIRECTORY ${work}/home)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${work}/home XDG_DATA_HOME=${work}/xdg
            QT_QPA_PLATFORM=offscreen ${program}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)
  message(STATUS "${program}:\n${output}")
  set(found "")
  if(NOT result EQUAL 0)
    list(APPEND found "the start ended with ${result}:\n${output}${errors}")
  endif()
  foreach(line "data: ${data}" "player: ${player}")
    string(FIND "${output}" "${line}\n" at)
    if(at EQUAL -1)
      list(APPEND found "it did not say \"${line}\"")
    endif()
  endforeach()
  if(NOT output MATCHES "help: [^\n]*version ${VERSION}")
    list(APPEND found "the help does not name version ${VERSION}")
  endif()
  foreach(file sudoku.ini Sauvegarde/premier.orv)
    if(NOT EXISTS ${player}/${file})
      list(APPEND found "${player}/${file} is missing")
    endif()
  endforeach()
  set(problems ${problems} ${found} PARENT_SCOPE)
endfunction()
