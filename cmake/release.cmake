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
