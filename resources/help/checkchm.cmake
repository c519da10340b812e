# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what chmcmd produced and puts it where the game reads it.
#
#   cmake -DCHM=<file chmcmd was to write> [-DDESTINATION=<copy>] -P checkchm.cmake
#
# chmcmd exits with 0 even when it writes nothing (for instance when it does not
# find the project file), and it leaves an empty file behind when a page listed
# in the project is missing. So the build does not trust its exit status: the
# file must exist, must not be empty and must start with the "ITSF" signature
# of a compiled help file.
if(NOT DEFINED CHM)
  message(FATAL_ERROR "checkchm.cmake: give the compiled help file with -DCHM=<path>")
endif()
if(NOT EXISTS "${CHM}")
  message(FATAL_ERROR "The help compiler produced no file: ${CHM} does not exist (see chmcmd's messages above).")
endif()
file(SIZE "${CHM}" chm_size)
if(chm_size EQUAL 0)
  message(FATAL_ERROR "The help compiler produced an empty file: ${CHM} (see chmcmd's messages above).")
endif()
file(READ "${CHM}" chm_signature LIMIT 4 HEX)
if(NOT chm_signature STREQUAL "49545346")
  message(FATAL_ERROR "${CHM} is not a compiled help file.")
endif()
if(DEFINED DESTINATION)
  file(COPY_FILE "${CHM}" "${DESTINATION}")
endif()
