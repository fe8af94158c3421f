# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once the package's files are staged: takes the compilers' identification notes
# (.comment, .note) out of the executables; nothing reads them at run time.
file(GLOB_RECURSE executables "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
if(NOT executables)
    message(FATAL_ERROR "no executable staged below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(executable IN LISTS executables)
    execute_process(COMMAND ${CPACK_TARVISOL_OBJCOPY} --remove-section=.comment
                            --remove-section=.note ${executable}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
