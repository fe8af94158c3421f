# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64. The POSIX-threads flavour of the
# compiler, because Qt needs std::thread and std::mutex, which the win32 flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVISOL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVISOL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVISOL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVISOL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and whatever prefixes the caller adds
# (the Windows Qt); programs that run during the build come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TARVISOL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
