# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows user downloads: an installer (NSIS) and a portable zip, both holding one folder
# with tarvisol.exe and exactly what it loads beside it, as Windows programs keep their
# libraries: Qt's Core, Gui and Widgets, the Windows platform plugin and style, Qt's German
# texts, and the compiler's run-time libraries (which Qt's own libraries need too, so one copy
# serves all of them). No test library goes in; every binary is stripped when packed.

# Qt's libraries and plugins where this build found them. The platform and style plugins go
# into the folders below the executable where Qt looks first.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# Qt's .qm files are the same on every platform, so Debian's serve. qtbase_de holds every text
# of Qt's own that the tool shows (message-box buttons, the text boxes' menus).
find_file(TARVISOL_QT_GERMAN_TEXTS qtbase_de.qm
          PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${TARVISOL_QT_GERMAN_TEXTS} DESTINATION translations)

# The MinGW run-time libraries, from the compiler that built everything here.
include(${CMAKE_CURRENT_LIST_DIR}/Runtime.cmake)
install(FILES ${TARVISOL_MINGW_RUNTIME} DESTINATION .)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME tarvisol)
set(CPACK_PACKAGE_VENDOR Tarvisol)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bildwinkel von Film- und Sensorformaten mit Objektiven")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarvisol)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tarvisol)
# The zip unpacks into one folder named like itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The installer is made from our own script (NSIS.template.in beside this file): CPack's
# default one installs for all users and asks for administrator rights.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_TARVISOL_ICON ${TARVISOL_WINDOWS_ICON})
set(CPACK_TARVISOL_EXECUTABLE tarvisol.exe)
# Each generator's file carries its own name (package-names.cmake); stripping happens on the
# staged copies, Qt's and the compiler's libraries included.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-names.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip-staging.cmake)
set(CPACK_TARVISOL_STRIP ${CMAKE_STRIP})
include(CPack)
