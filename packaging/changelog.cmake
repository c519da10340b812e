# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack while it stages the package (CPACK_INSTALL_SCRIPTS): writes the
# package's changelog, /usr/share/doc/orvalis/changelog.gz, in Debian's format,
# its entry signed by the package's maintainer (see maintainer.cmake).
set(doc "$ENV{DESTDIR}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/orvalis")
file(MAKE_DIRECTORY ${doc})
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${doc}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${doc}/changelog RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${doc}/changelog")
endif()
