# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with the compiler and linker flags of a Debian package, as
# dpkg-buildflags gives them with every hardening feature on: -O2 -g,
# -fstack-protector-strong, -D_FORTIFY_SOURCE=2, format checks, full RELRO
# with -z now. PIE is the Debian compiler's default. The release and test
# presets turn this on; the package strips the debug information again.

option(SKALIX_DEBIAN_BUILDFLAGS "Compile and link with the flags of dpkg-buildflags" OFF)
if(NOT SKALIX_DEBIAN_BUILDFLAGS)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} # -ffile-prefix-map names the source tree
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
endforeach()
add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
add_link_options(${debian_LDFLAGS})
