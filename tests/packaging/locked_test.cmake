# SPDX-License-Identifier: GPL-3.0-or-later
# A copy of the program, with its pictures and help beside it, in a folder that
# takes no file: the immutable flag (chattr +i), which binds root too, where
# modes do not. The first start must put the player's files in the user's data
# folder, read the pictures and help beside the program, and change nothing
# in the program's folder.
#
#   cmake -DBUILD=<build folder> -DWORK=<scratch> -DVERSION=<version>
#         -DSTART_CHECK=<orvalis-start-check> -P locked_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/firststart.cmake)
require_defined(locked_test.cmake BUILD WORK VERSION START_CHECK)

set(program ${WORK}/cle)
# A run stopped halfway may have left the flag on.
execute_process(COMMAND chattr -i ${program} OUTPUT_QUIET ERROR_QUIET)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${program})
file(COPY ${START_CHECK} ${BUILD}/images ${BUILD}/orvalis.chm DESTINATION ${program})
get_filename_component(name ${START_CHECK} NAME)
file(GLOB_RECURSE before RELATIVE ${program} ${program}/*)

execute_process(COMMAND chattr +i ${program} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message("SKIPPED: the immutable flag cannot be set here: ${errors}")
  return()
endif()
set(problems "")
first_start(${program}/${name} ${program} ${WORK})
file(GLOB_RECURSE after RELATIVE ${program} ${program}/*)
execute_process(COMMAND chattr -i ${program})

if(NOT after STREQUAL before)
  list(APPEND problems "the program's folder changed: ${before} became ${after}")
endif()
if(problems)
  list(JOIN problems "\n" problems)
  message(FATAL_ERROR "${problems}")
endif()
