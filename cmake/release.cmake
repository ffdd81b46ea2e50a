# SPDX-License-Identifier: GPL-3.0-or-later
# One version, one date. The version is the project's (project() above); its
# release date is the one CHANGELOG.md gives the entry of that version, and
# everything that names a version or a date takes them from here: the
# program, the package, the metainfo, the Debian changelog and the man page.

set(SKALIX_CHANGELOG ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SKALIX_CHANGELOG})
file(READ ${SKALIX_CHANGELOG} changelog)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT changelog MATCHES "\n## \\[${version_pattern}\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])")
    message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\"")
endif()
set(SKALIX_RELEASE_DATE ${CMAKE_MATCH_1})
message(STATUS "Skalix ${PROJECT_VERSION} of ${SKALIX_RELEASE_DATE}")

# The one timestamp every build of this version writes (SOURCE_DATE_EPOCH,
# in seconds since 1970): the start of its release day, in UTC. Taken from
# CHANGELOG.md rather than from git, so that a build from a source tarball
# gives the very bytes a build from the repository gives; a
# SOURCE_DATE_EPOCH the builder sets (as Debian's tools do) is taken as
# given. CPack stamps every package with it (the Debian package, the
# Windows zip and installer, the web zip): cmake/cpack-project.cmake.in.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SKALIX_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    # Days since 1970-01-01 of the civil date (Howard Hinnant's algorithm).
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" date "${SKALIX_RELEASE_DATE}")
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR SKALIX_SOURCE_DATE_EPOCH "(${era} * 146097 + ${day_of_era} - 719468) * 86400")
endif()

# Installed directories are rwxr-xr-x whatever the builder's umask; files
# get their modes from the install rules.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

configure_file(cmake/cpack-project.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/cpack-project.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack-project.cmake)
