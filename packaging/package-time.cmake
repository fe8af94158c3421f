# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs. Every time in the package (its members, their files and folders)
# is the last commit's time, so two packages of one commit agree whenever they are made. A
# caller's SOURCE_DATE_EPOCH wins; where the source is not the top of a git checkout (a release
# tarball or a copy, maybe unpacked inside some other repository) the changelog's latest entry
# gives it, as for Debian's own packages.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    return()
endif()
execute_process(COMMAND git -C ${CPACK_TARVISOL_SOURCE_DIR} rev-parse --show-toplevel
                OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
set(epoch "")
if(top AND top STREQUAL CPACK_TARVISOL_SOURCE_DIR)
    execute_process(COMMAND git -C ${CPACK_TARVISOL_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_TARVISOL_CHANGELOG} -S Timestamp
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
