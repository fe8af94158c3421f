# SPDX-License-Identifier: GPL-3.0-or-later
# TARVISOL_MINGW_RUNTIME: the MinGW run-time libraries that everything built here loads (Qt's
# libraries as well as ours), from the compiler that built it.
if(DEFINED TARVISOL_MINGW_RUNTIME)
    return()
endif()
set(TARVISOL_MINGW_RUNTIME "")
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "the compiler's ${runtime} is not found (${path})")
    endif()
    file(REAL_PATH ${path} path)
    list(APPEND TARVISOL_MINGW_RUNTIME ${path})
endforeach()
