# The Debian package that `make package` builds. It holds what `cmake --install` puts under
# /usr; its library dependencies are read off the executable by dpkg-shlibdeps, so they carry
# each release's own package names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvisol)
set(CPACK_PACKAGE_VENDOR Tarvisol)
set(CPACK_PACKAGE_CONTACT "Tarvisol <tarvisol@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "angle of view of camera formats and lenses, drawn to scale")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Computes the horizontal and vertical angle of view of film or sensor formats with\n"
    "lenses of given focal length, and draws every combination as an outlined field around\n"
    "one common centre, all to one scale. The tool speaks German.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
