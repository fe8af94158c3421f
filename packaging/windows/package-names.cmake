# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack once per generator: the installer and the zip are told apart by name.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "tarvisol-${CPACK_PACKAGE_VERSION}-win64-setup")
else()
    set(CPACK_PACKAGE_FILE_NAME "tarvisol-${CPACK_PACKAGE_VERSION}-win64")
endif()
