# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files before it packs them. Qt's and the compiler's libraries come
# with their symbol tables (the C++ library alone is 23 MB with them, 2 MB without), which no
# user's machine reads; the executable is stripped the same way.
cmake_policy(VERSION 3.25)
file(GLOB_RECURSE binaries ${CPACK_TEMPORARY_DIRECTORY}/*.dll ${CPACK_TEMPORARY_DIRECTORY}/*.exe)
if(NOT binaries)
    message(FATAL_ERROR "nothing to strip below ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${CPACK_TARVISOL_STRIP} --strip-unneeded ${binary}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
