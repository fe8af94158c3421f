# SPDX-License-Identifier: GPL-3.0-or-later
# Gives TARGET the Windows icon and version resource. The icon is packed from the PNG sizes
# that the windows use (data/icons), so the two never differ; the two largest stay PNG inside
# the icon, as Windows reads them, the smaller ones become bitmaps for older readers.
function(tarvisol_add_windows_resources target)
    find_program(TARVISOL_ICOTOOL icotool REQUIRED)
    set(icons ${PROJECT_SOURCE_DIR}/data/icons)
    set(sizes 16 24 32 48 64)
    set(pngs "")
    foreach(size IN LISTS sizes)
        list(APPEND pngs ${icons}/${TARVISOL_APP_ID}-${size}.png)
    endforeach()
    set(large ${icons}/${TARVISOL_APP_ID}-128.png ${icons}/${TARVISOL_APP_ID}-256.png)
    list(TRANSFORM large PREPEND --raw= OUTPUT_VARIABLE raw)
    add_custom_command(OUTPUT ${TARVISOL_WINDOWS_ICON}
                       COMMAND ${TARVISOL_ICOTOOL} --create --output=${TARVISOL_WINDOWS_ICON}
                               ${pngs} ${raw}
                       DEPENDS ${pngs} ${large} VERBATIM)

    set(TARVISOL_ICO ${TARVISOL_WINDOWS_ICON})
    set(TARVISOL_VERSION_PATCH 0)
    if(PROJECT_VERSION_PATCH)
        set(TARVISOL_VERSION_PATCH ${PROJECT_VERSION_PATCH})
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/tarvisol.rc.in ${rc} @ONLY)
    # windres reads the icon, which CMake's dependency scan of .rc files does not see.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${TARVISOL_WINDOWS_ICON})
    target_sources(${target} PRIVATE ${rc} ${TARVISOL_WINDOWS_ICON})
endfunction()
