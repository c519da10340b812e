# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes the package: the Maintainer field is the one
# given to CMake (ORVALIS_DEB_MAINTAINER), or else the builder's name and
# address from DEBFULLNAME and DEBEMAIL, the variables Debian's own tools read.
# With neither, no package is made: the project has no address to put there.
if(CPACK_DEBIAN_PACKAGE_MAINTAINER STREQUAL "")
  if("$ENV{DEBEMAIL}" STREQUAL "")
    message(FATAL_ERROR "Say who builds the package: DEBFULLNAME=\"Your Name\" DEBEMAIL=your-address cpack -G DEB "
                        "(or cmake -DORVALIS_DEB_MAINTAINER=\"Your Name <your-address>\")")
  endif()
  if("$ENV{DEBFULLNAME}" STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
  else()
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  endif()
endif()
