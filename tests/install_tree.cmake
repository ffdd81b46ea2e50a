# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR with prefix /usr and checks the
# installed tree: exactly the program, its desktop entry, metainfo, icons,
# man page, copyright and changelog.
# Called with -DBUILD_DIR=... -DAPP_ID=... -DVERSION=...

set(root "${BUILD_DIR}/install-tree-test")
file(REMOVE_RECURSE "${root}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${root}"
            "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    usr/bin/skalix
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/man/man1/skalix.1.gz
    usr/share/doc/skalix/copyright
    usr/share/doc/skalix/changelog.gz
    usr/share/lintian/overrides/skalix)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE installed RELATIVE "${root}" "${root}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed tree differs\n  expected: ${expected}\n  installed: ${installed}")
endif()

execute_process(COMMAND test -x "${root}/usr/bin/skalix" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
    message(FATAL_ERROR "usr/bin/skalix is not executable")
endif()

# The desktop entry starts the installed binary by name and names the icon
# that is installed; the metainfo launches that desktop entry.
file(READ "${root}/usr/share/applications/${APP_ID}.desktop" desktop)
foreach(line "Exec=skalix" "Icon=${APP_ID}")
    string(FIND "${desktop}" "\n${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(READ "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" at)
if(at EQUAL -1)
    message(FATAL_ERROR "metainfo does not launch ${APP_ID}.desktop")
endif()
# The man page and the changelog are gzip files without a time stamp, and
# the changelog's latest entry is this version's.
foreach(file usr/share/man/man1/skalix.1.gz usr/share/doc/skalix/changelog.gz)
    file(READ "${root}/${file}" header LIMIT 8 HEX)
    if(NOT header MATCHES "^1f8b0800" OR NOT header MATCHES "00000000$")
        message(FATAL_ERROR "${file} is not gzip'd without a time stamp: ${header}")
    endif()
endforeach()
execute_process(COMMAND gzip -dc "${root}/usr/share/doc/skalix/changelog.gz"
                OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^skalix \\(${VERSION}\\) ")
    message(FATAL_ERROR "the changelog does not begin with version ${VERSION}:\n${changelog}")
endif()
file(REMOVE_RECURSE "${root}")
