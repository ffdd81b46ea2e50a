# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles the web site around the page and the module, run after both are
# made: cmake -DSOURCE_DIR=... -DPAGE_DIR=... -DMODULE=.../skalix.wasm
# -DSITE_DIR=... -P web-site.cmake
#
# The site: index.html (from the page generator), the style sheet (the
# page's own rules and those of its controls), the script, the module, the
# fonts, the pictures and icons, the web app manifest, a service worker,
# and the licences. Every file the page loads carries the start of its
# SHA-256 in its name (skalix.3f9a0c12.wasm), and the page, the style
# sheet and the manifest name them so, with {{name}} in their sources:
# a browser or a proxy may keep such a file as long as it likes, and a page
# is never served with files of another version.

file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})
set(web ${SOURCE_DIR}/web)
set(dist ${SOURCE_DIR}/dist)

# name -> its versioned name, and the list of versioned files.
set(versioned "")
function(add_versioned path)
    get_filename_component(name ${path} NAME)
    string(REGEX MATCH "^(.*)(\\.[^.]+)$" parts ${name})
    file(SHA256 ${path} checksum)
    string(SUBSTRING ${checksum} 0 8 checksum)
    set(target ${CMAKE_MATCH_1}.${checksum}${CMAKE_MATCH_2})
    configure_file(${path} ${SITE_DIR}/${target} COPYONLY)
    set(name_${name} ${target} PARENT_SCOPE)
    set(versioned ${versioned} ${target} PARENT_SCOPE)
endfunction()

# A text with every {{name}} given its versioned name.
function(name_files text_var)
    set(text "${${text_var}}")
    string(REGEX MATCHALL "{{[^}]+}}" markers "${text}")
    list(REMOVE_DUPLICATES markers)
    foreach(marker IN LISTS markers)
        string(REGEX REPLACE "^{{(.*)}}$" "\\1" name "${marker}")
        if(NOT DEFINED name_${name})
            message(FATAL_ERROR "${marker}: no such file in the site")
        endif()
        string(REPLACE "${marker}" "${name_${name}}" text "${text}")
    endforeach()
    set(${text_var} "${text}" PARENT_SCOPE)
endfunction()

foreach(path ${MODULE} ${web}/skalix.js
        ${PAGE_DIR}/LiberationSans-Regular.woff2 ${PAGE_DIR}/LiberationSans-Bold.woff2
        ${SOURCE_DIR}/ui/images/picture1.jpg ${SOURCE_DIR}/ui/images/picture1@2x.jpg
        ${SOURCE_DIR}/ui/images/image1.gif ${SOURCE_DIR}/ui/images/image1@2x.gif
        ${dist}/icons/skalix.svg ${dist}/icons/skalix-192.png ${dist}/icons/skalix-512.png)
    add_versioned(${path})
endforeach()

# The style sheet, the page and the manifest, as the page generator made
# them, with the files they name.
file(READ ${PAGE_DIR}/skalix.css style)
name_files(style)
file(MAKE_DIRECTORY ${PAGE_DIR}/named)
file(WRITE ${PAGE_DIR}/named/skalix.css "${style}")
add_versioned(${PAGE_DIR}/named/skalix.css)

foreach(name index.html manifest.webmanifest)
    file(READ ${PAGE_DIR}/${name} text)
    name_files(text)
    file(WRITE ${SITE_DIR}/${name} "${text}")
endforeach()

configure_file(${SOURCE_DIR}/LICENSE ${SITE_DIR}/LICENSE.txt COPYONLY)
configure_file(${dist}/windows/LiberationSans-LICENSE.txt ${SITE_DIR}/LiberationSans-LICENSE.txt
               COPYONLY)

# The service worker keeps what every visit needs offline: the page, the
# manifest, the style sheet, the script, the module and the icon; the
# pictures and fonts a visit used it keeps as the page names them. Its
# cache is named after the checksums of all the site's files, so each
# version has its own.
set(SKALIX_SITE_FILES "")
foreach(name IN LISTS versioned)
    if(name MATCHES "^skalix\\.[0-9a-f]+\\.(css|js|wasm|svg)$")
        string(APPEND SKALIX_SITE_FILES "${separator}'${name}'")
        set(separator ", ")
    endif()
endforeach()
file(GLOB files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(SORT files)
set(checksums "")
foreach(name IN LISTS files)
    file(SHA256 ${SITE_DIR}/${name} checksum)
    string(APPEND checksums "${checksum} ${name}\n")
endforeach()
string(SHA256 SKALIX_SITE_HASH "${checksums}")
string(SUBSTRING ${SKALIX_SITE_HASH} 0 16 SKALIX_SITE_HASH)
configure_file(${dist}/web/service-worker.js.in ${SITE_DIR}/service-worker.js @ONLY)

# Readable by the web server whatever the builder's umask.
file(GLOB files ${SITE_DIR}/*)
file(CHMOD ${files} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
