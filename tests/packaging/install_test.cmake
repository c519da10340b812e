# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` of the build folder into a scratch prefix, then the tree:
# every file in its place and nothing else (Debian's layout for games, games/
# and share/games/orvalis, unless the build was told otherwise), the icons at
# their sizes, the desktop entry naming the installed program and icon, the metainfo's newest
# release being this version, the validators and groff content with the
# desktop entry, the metainfo and the manual pages (each where installed),
# orvalis-cli's version, and a first start of a program in the installed
# programs' folder (data from the installed data folder, the player's files in
# the user's data folder).
#
#   cmake -DBUILD=<build folder> -DWORK=<scratch> -DVERSION=<version> -DAPP_ID=<app id>
#         -DSTART_CHECK=<orvalis-start-check> -DGAMES_LAYOUT=<ON|OFF> -P install_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/firststart.cmake)
require_defined(install_test.cmake BUILD WORK VERSION APP_ID START_CHECK GAMES_LAYOUT)
if(GAMES_LAYOUT)
  set(bin games)
  set(data share/games/orvalis)
else()
  set(bin bin)
  set(data share/orvalis)
endif()

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

# Every file, and nothing else.
set(sizes 16 24 32 48 64 128 256 512)
set(expected
  ${bin}/orvalis
  ${bin}/orvalis-cli
  ${data}/images/fond.jpg
  ${data}/images/LightClouds.jpeg
  ${data}/images/fond-nuit.jpg
  ${data}/images/LightClouds-nuit.jpeg
  ${data}/orvalis.chm
  ${data}/translations/orvalis_en.qm
  ${data}/translations/orvalis_fr.qm
  share/doc/orvalis/copyright
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/${APP_ID}.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man6/orvalis.6.gz
  share/man/man6/orvalis-cli.6.gz)
foreach(size IN LISTS sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
set(missing ${expected})
set(unexpected ${installed})
if(installed)
  list(REMOVE_ITEM missing ${installed})
endif()
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
  message(FATAL_ERROR "the installed tree is wrong; missing: ${missing}; not expected: ${unexpected}")
endif()

foreach(program orvalis orvalis-cli)
  execute_process(COMMAND test -x ${prefix}/${bin}/${program} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${bin}/${program} is not executable")
  endif()
endforeach()

# Each PNG icon is a PNG of its size.
foreach(size IN LISTS sizes)
  set(png ${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  file(READ ${png} signature LIMIT 8 HEX)
  file(READ ${png} width OFFSET 16 LIMIT 4 HEX)
  file(READ ${png} height OFFSET 20 LIMIT 4 HEX)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is not a ${size} by ${size} PNG (${width} by ${height})")
  endif()
endforeach()

# The desktop entry starts the installed program by its path and shows the
# installed icon.
set(desktop ${prefix}/share/applications/${APP_ID}.desktop)
# Each file type it opens is one the installed MIME description declares.
file(STRINGS ${desktop} mime_types REGEX "^MimeType=")
string(REGEX REPLACE "^MimeType=" "" mime_types "${mime_types}")
string(REPLACE "\\;" ";" mime_types "${mime_types}")  # file(STRINGS) keeps the line's ";" escaped
file(READ ${prefix}/share/mime/packages/${APP_ID}.xml mime_xml)
foreach(type IN LISTS mime_types)
  string(FIND "${mime_xml}" "<mime-type type=\"${type}\">" declared)
  if(type AND declared EQUAL -1)
    message(FATAL_ERROR "the desktop entry opens ${type}, which no installed MIME description declares")
  endif()
endforeach()
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec "${exec}")
if(NOT exec STREQUAL "${prefix}/${bin}/orvalis" OR NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry starts \"${exec}\" with \"${icon}\"")
endif()

# The metainfo names the entry, and its newest release is this version.
set(metainfo ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)
file(READ ${metainfo} xml)
string(FIND "${xml}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" launchable)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${xml}")
if(launchable EQUAL -1 OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the metainfo does not launch ${APP_ID}.desktop or its newest release is \"${CMAKE_MATCH_1}\", not ${VERSION}")
endif()

# The validators, where they are installed (scripts/install-deps.sh installs them).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${output}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed: the desktop entry is not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${output}")
  endif()
else()
  message(STATUS "appstreamcli is not installed: the metainfo is not validated")
endif()
find_program(GROFF groff)
if(GROFF)
  foreach(page orvalis orvalis-cli)
    execute_process(COMMAND gzip -dc ${prefix}/share/man/man6/${page}.6.gz
                    COMMAND ${GROFF} -man -ww -z -Tutf8
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
      message(FATAL_ERROR "groff on ${page}.6:\n${output}")
    endif()
  endforeach()
else()
  message(STATUS "groff is not installed: the manual pages are not checked")
endif()

# The game's manual page names the data folder of this layout.
execute_process(COMMAND gzip -dc ${prefix}/share/man/man6/orvalis.6.gz OUTPUT_VARIABLE page)
string(FIND "${page}" "/usr/${data}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "orvalis(6) does not name /usr/${data}")
endif()

execute_process(COMMAND ${prefix}/${bin}/orvalis-cli --version
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "orvalis-cli ${VERSION}\n")
  message(FATAL_ERROR "orvalis-cli --version said \"${output}\" (${result})")
endif()

# A program in the installed programs' folder, which root may write in: the
# data come from the installed data folder, the player's files go to the
# user's data folder, and nothing is written beside the program.
file(COPY ${START_CHECK} DESTINATION ${prefix}/${bin})
get_filename_component(name ${START_CHECK} NAME)
file(GLOB before RELATIVE ${prefix}/${bin} ${prefix}/${bin}/*)
set(problems "")
first_start(${prefix}/${bin}/${name} ${prefix}/${data} ${WORK})
file(GLOB after RELATIVE ${prefix}/${bin} ${prefix}/${bin}/*)
if(NOT after STREQUAL before)
  list(APPEND problems "the installed ${bin}/ changed: ${before} became ${after}")
endif()
if(problems)
  list(JOIN problems "\n" problems)
  message(FATAL_ERROR "${problems}")
endif()
