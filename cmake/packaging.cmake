# The Debian package: orbel-lens-calculator_<version>_<arch>.deb, with its
# dependencies read off the binary by dpkg-shlibdeps rather than typed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbel-lens-calculator)
set(CPACK_PACKAGE_VENDOR ${ORBEL_ORGANISATION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lens calculator for fitting cameras with lenses")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick the camera, pick Meters, Feet or inches, type two of object width, object\n\
distance and focal length, and the calculator fills in the third with the\n\
lens's horizontal field of view.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are sized for Liberation Sans Narrow; the font is data, so
# dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# About > System Info starts the first of these found along PATH; without one
# it says that system information is unavailable.
list(JOIN ORBEL_DESKTOP_SYSINFO_TOOLS " | " CPACK_DEBIAN_PACKAGE_SUGGESTS)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orbel <packages@orbel.example>")
set(CPACK_STRIP_FILES ON)
# Only the program: the test and benchmark targets install nothing.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
