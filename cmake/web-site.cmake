# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles a static site around a program built for the browser, run
# after its link: cmake -DPROGRAM=skalix -DBUILD_DIR=... -DSOURCE_DIR=...
# -DSITE_DIR=... [-DOFFLINE=ON] -DDESCRIPTION=... -P web-site.cmake
#
# The site: index.html (given the program's size, for the progress bar),
# the program's .js and .wasm, the start script and style sheet, the icons,
# the licences, and with OFFLINE the web app manifest and a service worker
# that keeps every one of those files, named after their checksum.

file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})
set(web ${SOURCE_DIR}/dist/web)
set(icons ${SOURCE_DIR}/dist/icons)
file(COPY ${BUILD_DIR}/${PROGRAM}.js ${BUILD_DIR}/${PROGRAM}.wasm
          ${web}/skalix-start.js ${web}/skalix.css
          ${icons}/skalix.svg ${icons}/skalix-32.png ${icons}/skalix-192.png ${icons}/skalix-512.png
     DESTINATION ${SITE_DIR})
configure_file(${SOURCE_DIR}/LICENSE ${SITE_DIR}/LICENSE.txt COPYONLY)
configure_file(${SOURCE_DIR}/dist/windows/LiberationSans-LICENSE.txt
               ${SITE_DIR}/LiberationSans-LICENSE.txt COPYONLY)

file(SIZE ${BUILD_DIR}/${PROGRAM}.wasm SKALIX_WASM_BYTES)
set(PROJECT_DESCRIPTION "${DESCRIPTION}")
configure_file(${web}/index.html.in ${SITE_DIR}/index.html @ONLY)
if(NOT PROGRAM STREQUAL "skalix")
    # A page for another program (a test, the start-up floor): its name,
    # and nothing to install or keep offline.
    file(READ ${SITE_DIR}/index.html page)
    string(REPLACE "data-program=\"skalix\"" "data-program=\"${PROGRAM}\"" page "${page}")
    string(REPLACE " data-offline" "" page "${page}")
    string(REGEX REPLACE "<link rel=\"manifest\"[^>]*>\n" "" page "${page}")
    file(WRITE ${SITE_DIR}/index.html "${page}")
endif()
if(NOT OFFLINE)
    return()
endif()

configure_file(${web}/manifest.webmanifest.in ${SITE_DIR}/manifest.webmanifest @ONLY)
file(GLOB files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(SORT files)
set(checksums "")
set(SKALIX_SITE_FILES "'./'")
foreach(name IN LISTS files)
    file(SHA256 ${SITE_DIR}/${name} checksum)
    string(APPEND checksums "${checksum} ${name}\n")
    string(APPEND SKALIX_SITE_FILES ", '${name}'")
endforeach()
string(SHA256 SKALIX_SITE_HASH "${checksums}")
string(SUBSTRING ${SKALIX_SITE_HASH} 0 16 SKALIX_SITE_HASH)
configure_file(${web}/service-worker.js.in ${SITE_DIR}/service-worker.js @ONLY)
