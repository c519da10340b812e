# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by cpack from the build folder into a scratch
# folder: the programs in /usr/games, the data in /usr/share/games/orvalis, the
# copyright file in /usr/share/doc/orvalis, the desktop entry starting
# /usr/games/orvalis, a Maintainer field as given, no Homepage; and lintian,
# where installed, reporting no error and no warning that
# packaging/lintian-overrides does not explain.
#
#   cmake -DBUILD=<build folder> -DWORK=<scratch> -DVERSION=<version> -DAPP_ID=<app id> -P deb_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/firststart.cmake)
require_defined(deb_test.cmake BUILD WORK VERSION APP_ID)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# The maintainer given to CMake, or else the one the test gives through
# DEBFULLNAME and DEBEMAIL (an address of the reserved .invalid domain: the
# package is thrown away); without any, cpack must refuse and say why.
file(STRINGS ${BUILD}/CMakeCache.txt maintainer REGEX "^ORVALIS_DEB_MAINTAINER:")
string(REGEX REPLACE "^[^=]*=" "" maintainer "${maintainer}")
if(maintainer STREQUAL "")
  set(maintainer "Orvalis test suite <tests@orvalis.invalid>")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEBFULLNAME= DEBEMAIL=
                          cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}/nobody
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result EQUAL 0 OR NOT output MATCHES "Say who builds the package")
    message(FATAL_ERROR "a package was made without a maintainer, or without saying why not:\n${output}")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEBFULLNAME=Orvalis test suite" DEBEMAIL=tests@orvalis.invalid
                        cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
set(deb ${WORK}/orvalis_${VERSION}_amd64.deb)
if(NOT result EQUAL 0 OR NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack made no ${deb}:\n${output}")
endif()

execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE listing)
foreach(path ./usr/games/orvalis ./usr/games/orvalis-cli ./usr/share/games/orvalis/orvalis.chm
             ./usr/share/games/orvalis/orvalis_en.chm
             ./usr/share/games/orvalis/images/fond.jpg ./usr/share/doc/orvalis/copyright
             ./usr/share/applications/${APP_ID}.desktop ./usr/share/man/man6/orvalis.6.gz
             ./usr/share/man/fr/man6/orvalis.6.gz)
  if(NOT listing MATCHES " ${path}\n")
    message(FATAL_ERROR "the package has no ${path}:\n${listing}")
  endif()
endforeach()
if(listing MATCHES " ./usr/bin/")
  message(FATAL_ERROR "the package still puts programs in /usr/bin:\n${listing}")
endif()

execute_process(COMMAND dpkg-deb -f ${deb} Maintainer Homepage OUTPUT_VARIABLE fields)
if(NOT fields STREQUAL "Maintainer: ${maintainer}\n")
  message(FATAL_ERROR "the package's fields are:\n${fields}")
endif()
execute_process(COMMAND dpkg-deb --fsys-tarfile ${deb}
                COMMAND tar -xO ./usr/share/applications/${APP_ID}.desktop
  OUTPUT_VARIABLE entry)
if(NOT entry MATCHES "\nExec=/usr/games/orvalis %f\n")
  message(FATAL_ERROR "the package's desktop entry does not start /usr/games/orvalis:\n${entry}")
endif()

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --no-cfg ${deb}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(output MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian:\n${output}")
  endif()
  message(STATUS "lintian:\n${output}")
else()
  message(STATUS "lintian is not installed: the package is not checked by it")
endif()
