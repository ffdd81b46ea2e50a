# SPDX-License-Identifier: GPL-3.0-or-later
# The two header-only libraries the number texts are read and written with:
# fast_float and fmt, as Debian packages them (libfast-float-dev,
# libfmt-dev). They are used as headers only, on every platform, so the
# program depends on no library at run time. Their headers are reached
# through a folder of their own in the build tree, never through the host's
# /usr/include, which a cross compiler for Windows or the browser must not
# see.
foreach(library fast_float fmt)
    find_path(SKALIX_${library}_INCLUDE_DIR ${library}
              PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT SKALIX_${library}_INCLUDE_DIR)
        message(FATAL_ERROR "The ${library} headers are missing: install libfast-float-dev "
                            "and libfmt-dev (scripts/setup.sh does)")
    endif()
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/thirdparty)
    file(CREATE_LINK ${SKALIX_${library}_INCLUDE_DIR}/${library}
         ${PROJECT_BINARY_DIR}/thirdparty/${library} SYMBOLIC)
endforeach()
add_library(skalixthirdparty INTERFACE)
target_include_directories(skalixthirdparty SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/thirdparty)
# fmt without std::locale, whose digit grouping Skalix never asks for and
# which would bring all of the C++ library's locales into the web page.
target_compile_definitions(skalixthirdparty INTERFACE FMT_HEADER_ONLY
                           FMT_STATIC_THOUSANDS_SEPARATOR=0)
