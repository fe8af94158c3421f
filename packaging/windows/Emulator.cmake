# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows tests run under Wine, in a Wine prefix of this build tree's own, finding Qt's
# libraries and the compiler's where they are rather than copies beside every test.
include(${CMAKE_CURRENT_LIST_DIR}/Runtime.cmake)
set(folders "")
foreach(library IN LISTS TARVISOL_MINGW_RUNTIME)
    get_filename_component(folder ${library} DIRECTORY)
    list(APPEND folders ${folder})
endforeach()
if(TARGET Qt6::Core)
    # Qt for Windows is built as Release (tools/build-qt-windows.sh).
    get_target_property(library Qt6::Core IMPORTED_LOCATION_RELEASE)
    if(NOT library)
        message(FATAL_ERROR "Qt6::Core has no Release library; the Windows tests need one")
    endif()
    get_filename_component(folder ${library} DIRECTORY)
    list(APPEND folders ${folder})
endif()
list(REMOVE_DUPLICATES folders)
set(tarvisol_wine_paths "")
foreach(folder IN LISTS folders)
    list(APPEND tarvisol_wine_paths --path ${folder})
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${PROJECT_SOURCE_DIR}/tools/run-under-wine.sh
    --prefix ${PROJECT_BINARY_DIR}/wine-prefix ${tarvisol_wine_paths})
