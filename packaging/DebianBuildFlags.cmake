# SPDX-License-Identifier: GPL-3.0-or-later
# Every build of the tool is compiled as Debian compiles its packages: the release's own
# dpkg-buildflags with all hardening features, so Debian 12 and Debian 13 each get their own
# defaults. A protection the release leaves out (Debian 12 has neither stack-clash nor
# control-flow protection), or every one of them where dpkg-buildflags is missing, is added
# here from the compiler's own flag, once. Optimisation and debug information stay with the
# build type. The build paths are mapped out of the objects, so where a tree was built leaves
# no trace in the executable or its build-id. The sanitizer and fuzz builds go without: the
# sanitizers check memory themselves, and fortified functions would pass by their checks.
option(TARVISOL_DEBIAN_BUILD_FLAGS
       "Harden the build and map the build paths out, as Debian builds its packages" ON)
# Debian's flags are made for Debian's own targets; a Windows build takes its own from the caller.
if(NOT TARVISOL_DEBIAN_BUILD_FLAGS OR WIN32)
    return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# The flags dpkg-buildflags gives for VARIABLE (CPPFLAGS, CXXFLAGS, LDFLAGS), as a list.
function(tarvisol_dpkg_buildflags variable out)
    set(flags "")
    find_program(TARVISOL_DPKG_BUILDFLAGS dpkg-buildflags)
    if(TARVISOL_DPKG_BUILDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${TARVISOL_DPKG_BUILDFLAGS} --get ${variable}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            set(flags "")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
    endif()
    # The build type chooses optimisation and debug information; the path maps follow below,
    # as dpkg-buildflags maps the folder it was asked from, which here is not the source.
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|f(file|debug|macro)-prefix-map=.*)$")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

# Appends FLAG to the list named LIST unless it is there, also with a value (-fcf-protection=full
# counts as -fcf-protection), or the compiler does not know it for this target. Warnings are
# known to every compiler this builds with, and some are refused when checked alone.
function(tarvisol_add_missing list flag)
    foreach(present IN LISTS ${list})
        if(present STREQUAL flag OR present MATCHES "^${flag}=")
            return()
        endif()
    endforeach()
    string(MAKE_C_IDENTIFIER "TARVISOL_KNOWS${flag}" known)
    if(NOT flag MATCHES "^-W")
        check_cxx_compiler_flag(${flag} ${known})
    endif()
    if(flag MATCHES "^-W" OR ${known})
        list(APPEND ${list} ${flag})
        set(${list} ${${list}} PARENT_SCOPE)
    endif()
endfunction()

tarvisol_dpkg_buildflags(CPPFLAGS tarvisol_cppflags)
tarvisol_dpkg_buildflags(CXXFLAGS tarvisol_cxxflags)
tarvisol_dpkg_buildflags(LDFLAGS tarvisol_ldflags)

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection -Wformat
             -Werror=format-security)
    tarvisol_add_missing(tarvisol_cxxflags ${flag})
endforeach()
foreach(flag -Wl,-z,relro -Wl,-z,now)
    if(NOT flag IN_LIST tarvisol_ldflags)
        list(APPEND tarvisol_ldflags ${flag})
    endif()
endforeach()

# Fortified functions need the optimiser, and glibc warns (an error under -Werror) without it.
set(tarvisol_fortify ${tarvisol_cppflags})
list(FILTER tarvisol_fortify INCLUDE REGEX "^-[DU]_FORTIFY_SOURCE")
list(FILTER tarvisol_cppflags EXCLUDE REGEX "^-[DU]_FORTIFY_SOURCE")
if(NOT tarvisol_fortify)
    set(tarvisol_fortify -D_FORTIFY_SOURCE=2)
endif()
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    list(APPEND tarvisol_cppflags ${tarvisol_fortify})
endif()

add_compile_options(${tarvisol_cppflags} ${tarvisol_cxxflags}
                    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
add_link_options(${tarvisol_ldflags})

# Debian's compilers make position-independent executables by default; other compilers are asked.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()

string(JOIN " " tarvisol_all_flags ${tarvisol_cppflags} ${tarvisol_cxxflags} ${tarvisol_ldflags})
message(STATUS "Debian build flags: ${tarvisol_all_flags}")
