# SPDX-License-Identifier: GPL-3.0-or-later
# The build compiles the help with chmcmd and then runs checkchm.cmake, because
# chmcmd exits with 0 even when it writes no file. This script shows both
# halves on a small project of its own:
#   1. chmcmd run outside the project's folder finds no project, writes
#      nothing and still exits with 0; the check then fails;
#   2. an empty file, as chmcmd leaves when a listed page is missing, fails too;
#   3. the same project compiled in its folder passes and is copied.
#
#   cmake -DCHMCMD=<chmcmd> -DCHECK=<checkchm.cmake> -DWORK=<scratch folder> -P helpbuild_test.cmake
foreach(var CHMCMD CHECK WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "helpbuild_test.cmake: -D${var}=... is missing")
  endif()
endforeach()

set(project ${WORK}/pages)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${project})
file(WRITE ${project}/essai.hhp "[OPTIONS]
Compiled file=essai.chm
Default topic=page.html
Title=Essai

[FILES]
page.html
")
file(WRITE ${project}/page.html
  "<html><head><title>Page</title></head><body><h1>Une page</h1></body></html>\n")

function(run_check expect_success what)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHM=${project}/essai.chm -DDESTINATION=${WORK}/copie.chm -P ${CHECK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expect_success AND NOT result EQUAL 0)
    message(FATAL_ERROR "${what}: the check failed on a good help file:\n${output}")
  elseif(NOT expect_success AND result EQUAL 0)
    message(FATAL_ERROR "${what}: the check passed although there is no usable help file")
  endif()
  message(STATUS "${what}: ${output}")
endfunction()

# 1. From the wrong folder chmcmd finds no project, and says so with status 0.
execute_process(COMMAND ${CHMCMD} essai.hhp WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(STATUS "chmcmd now exits with ${result} when it finds no project")
endif()
if(EXISTS ${project}/essai.chm OR EXISTS ${WORK}/essai.chm)
  message(FATAL_ERROR "chmcmd compiled a project it should not have found")
endif()
run_check(FALSE "no file")

# 2. An empty file.
file(TOUCH ${project}/essai.chm)
run_check(FALSE "empty file")
file(REMOVE ${project}/essai.chm)

# 3. Compiled in its own folder.
execute_process(COMMAND ${CHMCMD} essai.hhp WORKING_DIRECTORY ${project}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
run_check(TRUE "compiled project")
if(NOT EXISTS ${WORK}/copie.chm)
  message(FATAL_ERROR "the check did not copy the help file")
endif()
