# `cpack -G DEB` (or `make package`) in the build folder: veltar_1.8-1_amd64.deb with the
# installed tree under /usr and the library packages found by dpkg-shlibdeps.
set(VELTAR_MAINTAINER "VELTAR developers <veltar@example.org>"
    CACHE STRING "Name and address in the Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltar)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plate panel buckling check for offshore structures")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VELTAR checks one stiffened plate panel of an offshore structure at a time\n"
    "(plate field, stiffeners and supporting girder) against the ABS Guide for\n"
    "Buckling and Ultimate Strength Assessment for Offshore Structures and the\n"
    "ABS Rules for Mobile Offshore Drilling Units (scantlings and yield). Every\n"
    "check is listed with its formula, its usage factor and its rule reference.\n"
    "\n"
    "The package holds the window program veltar, the command-line tool\n"
    "veltar-cli, the profile and material tables and example project files.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELTAR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://veltar.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, where dpkg-shlibdeps cannot see them.
if(VELTAR_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
