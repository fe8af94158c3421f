# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package that `make package` builds. It holds what `cmake --install` puts under
# /usr; its library dependencies are read off the executable by dpkg-shlibdeps, so they carry
# each release's own package names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvisol)
set(CPACK_PACKAGE_VENDOR Tarvisol)
set(CPACK_PACKAGE_CONTACT "Tarvisol <tarvisol@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "angle of view of camera formats and lenses, drawn to scale")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Computes the horizontal and vertical angle of view of film or sensor\n"
    "formats with lenses of given focal length, and draws every combination as\n"
    "an outlined field around one common centre, all to one scale. The tool\n"
    "speaks German.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's German texts, which the tool loads at start: a data package that no library check finds.
# Debian 12 and 13 name it alike.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The input row's narrow caption font. Without it the captions shrink in the default font.
# Debian 13 packages it on its own; Debian 12 has it in fonts-liberation before version 2.
# The sound theme's library, which the tool opens only to play the warning sound on Wayland, so
# dpkg-shlibdeps does not see it; without it the error box comes silently.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation-sans-narrow | fonts-liberation (<< 1:2), libcanberra0")
set(CPACK_STRIP_FILES ON)
# Drops the compilers' identification, adds what lintian needs on this release, and sets modes
# and times independent of the caller's umask and clock.
set(CPACK_TARVISOL_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/finish-staging.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-time.cmake)
set(CPACK_TARVISOL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_TARVISOL_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
# What Debian asks of a package besides what any install puts there: the copyright in the
# machine-readable format and the changelog, both added to the staged files only, so that an
# upstream install leaves them to the distribution's own packaging.
set(CPACK_TARVISOL_COPYRIGHT ${CMAKE_CURRENT_LIST_DIR}/copyright)
include(CPack)
