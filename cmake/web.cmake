# SPDX-License-Identifier: GPL-3.0-or-later
# The web build, with Debian's emscripten and no Qt: the core as a small
# WebAssembly module (skalix.wasm), the page generated from the control
# table (web/pagegenerator.cpp, run under Node.js as the site is built), the
# page's script and style sheet, and the site around them (cmake/web-site.cmake):
# a static site that any web server serves as it is, installed as it is and
# packed as a zip.

# Small code for every target in the browser: no exceptions (nothing in
# the program throws), no type information, and no code made at run time.
add_compile_options(-fno-exceptions -fno-rtti)
add_link_options(-sDYNAMIC_EXECUTION=0)

# The module: exports the window's handlers, imports the page's controls
# (web/skalix.js), and needs nothing else of a browser, so it comes without
# emscripten's script. Undefined symbols are its imports; a page that does
# not give them all fails the site test at once.
add_executable(skalix web/module.cpp web/webform.h web/webform.cpp)
target_link_libraries(skalix PRIVATE skalixform)
set_target_properties(skalix PROPERTIES SUFFIX .wasm)
# Its memory starts small and grows with what is pasted into the fields.
target_link_options(skalix PRIVATE -Oz --no-entry -sSTANDALONE_WASM -sMALLOC=emmalloc
                    -sTOTAL_STACK=256KB -sINITIAL_MEMORY=1MB -sALLOW_MEMORY_GROWTH=1
                    -sERROR_ON_UNDEFINED_SYMBOLS=0 -sWARN_ON_UNDEFINED_SYMBOLS=0)

# The page generator, a program for Node.js that writes files.
add_executable(pagegenerator web/pagegenerator.cpp web/pageform.h web/pageform.cpp)
target_link_libraries(pagegenerator PRIVATE skalixform)
target_link_options(pagegenerator PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
                    # Node.js 18 and later have fetch(), which emscripten 3.1.6
                    # would take for reading the .wasm from disk.
                    -sWASM_ASYNC_COMPILATION=0)
find_program(NODE node REQUIRED)
set(page_dir ${CMAKE_CURRENT_BINARY_DIR}/page)
target_compile_definitions(pagegenerator PRIVATE SKALIX_DESCRIPTION="${PROJECT_DESCRIPTION}")
set(page_templates web/index.html.in web/skalix.css dist/web/manifest.webmanifest.in)
list(TRANSFORM page_templates PREPEND ${PROJECT_SOURCE_DIR}/)
add_custom_command(
    OUTPUT ${page_dir}/index.html ${page_dir}/skalix.css ${page_dir}/manifest.webmanifest
           ${page_dir}/names.json ${page_dir}/characters.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}
    COMMAND ${NODE} $<TARGET_FILE:pagegenerator> ${page_dir} ${page_templates}
    DEPENDS pagegenerator ${page_templates}
    VERBATIM)

# Liberation Sans, whose metrics the captions were set in (Arial's), as
# WOFF2: a browser on a system without it then lays the captions out as
# the window does. Only what the page shows: the characters of its texts
# and messages, and those a number or a word of the key can be typed in
# (printable ASCII); anything else typed comes from the system's fonts. With its
# hinting, which keeps the text as narrow as the window's where a browser
# sets each letter on whole pixels (WebKitGTK); without it the captions
# grew by a twentieth there, and some no longer fitted.
set(SKALIX_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH
    "Where LiberationSans-Regular.ttf and LiberationSans-Bold.ttf are (Debian: fonts-liberation2)")
find_program(PYFTSUBSET pyftsubset REQUIRED)
set(fonts "")
foreach(face Regular Bold)
    set(font ${SKALIX_FONT_DIR}/LiberationSans-${face}.ttf)
    set(subset ${page_dir}/LiberationSans-${face}.woff2)
    add_custom_command(OUTPUT ${subset}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}
        COMMAND ${PYFTSUBSET} ${font} --output-file=${subset} --flavor=woff2
                --unicodes=U+0020-007E --text-file=${page_dir}/characters.txt
                --layout-features=kern
        DEPENDS ${font} ${page_dir}/characters.txt
        VERBATIM)
    list(APPEND fonts ${subset})
endforeach()

# The site, in the build folder as site/, installed as it is.
set(SKALIX_SITE_DIR ${CMAKE_CURRENT_BINARY_DIR}/site)
set(site_sources web/skalix.js dist/web/service-worker.js.in cmake/web-site.cmake)
list(TRANSFORM site_sources PREPEND ${PROJECT_SOURCE_DIR}/)
add_custom_command(OUTPUT ${SKALIX_SITE_DIR}/index.html
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DPAGE_DIR=${page_dir}
            -DMODULE=$<TARGET_FILE:skalix> -DSITE_DIR=${SKALIX_SITE_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/web-site.cmake
    DEPENDS skalix ${page_dir}/index.html ${page_dir}/skalix.css
            ${page_dir}/manifest.webmanifest ${fonts} ${site_sources}
    VERBATIM)
install(DIRECTORY ${SKALIX_SITE_DIR}/ DESTINATION .)

# The copy a teacher keeps: the page as one file with all it needs inside,
# which opens from disk (web/singlefile.mjs).
set(SKALIX_WEB_FILE ${CMAKE_CURRENT_BINARY_DIR}/Skalix-${PROJECT_VERSION}.html)
add_custom_command(OUTPUT ${SKALIX_WEB_FILE}
    COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/web/singlefile.mjs ${SKALIX_SITE_DIR} ${SKALIX_WEB_FILE}
    DEPENDS ${SKALIX_SITE_DIR}/index.html ${PROJECT_SOURCE_DIR}/web/singlefile.mjs
    VERBATIM)
add_custom_target(site ALL DEPENDS ${SKALIX_SITE_DIR}/index.html ${SKALIX_WEB_FILE})

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Skalix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Skalix-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
