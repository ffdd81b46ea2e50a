# Installs the build into a temporary DESTDIR with prefix /usr and checks the
# installed tree: exactly the program, its desktop entry, metainfo and icons.
# Called with -DBUILD_DIR=... -DAPP_ID=...

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
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
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
file(REMOVE_RECURSE "${root}")
