# SPDX-License-Identifier: GPL-3.0-or-later
# The windows tests: the Windows build (cross-built here against the
# static Qt, by its first test) under Wine: the Qt Test classes that need
# no desktop of Linux's, the real skalix.exe on a virtual X display (its
# screenshot goes to build-windows/skalix-under-wine.png), the version
# information of the program and its installer, the installer's pages, and
# the installer with its uninstaller. The Qt Test classes draw offscreen and
# run side by side in a Wine prefix with no display; the tests on a display
# each start a display of their own and run one at a time in each of the
# prefixes they share, as a Wine session keeps the display it began with.
# The prefixes are made in the Windows build folder.

set(SKALIX_WINDOWS_BUILD_DIR ${PROJECT_SOURCE_DIR}/build-windows CACHE PATH
    "Where scripts/windows/build.sh builds (the windows preset's folder)")
set(windows_scripts ${PROJECT_SOURCE_DIR}/scripts/windows)
set(win ${SKALIX_WINDOWS_BUILD_DIR}) # where the static Qt puts every program

add_test(NAME windows_build COMMAND ${windows_scripts}/build.sh)
set_tests_properties(windows_build PROPERTIES FIXTURES_SETUP windows TIMEOUT 3600)

foreach(suite numbertext percentagekeys liveevaluation presets numbersasqt helptext window
              messagebox accessibility screenreader highdpi focusanddrawing badinput)
    suite_class(tst_${suite} class)
    set(program tst_desktop)
    if(suite IN_LIST core_suites)
        set(program tst_core)
    endif()
    add_test(NAME windows_tst_${suite}
             COMMAND ${windows_scripts}/wine-test.sh ${win}/${program}.exe ${class})
    set_tests_properties(windows_tst_${suite} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
set_tests_properties(windows_tst_highdpi PROPERTIES ENVIRONMENT
    "QT_SCALE_FACTOR=2;QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_BINARY_DIR}/large-screen.json")
add_test(NAME windows_tst_focusanddrawing_windowsstyle
         COMMAND ${windows_scripts}/wine-test.sh ${win}/tst_desktop.exe TestFocusAndDrawing)
set_tests_properties(windows_tst_focusanddrawing_windowsstyle PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_STYLE_OVERRIDE=windows")

set(setup ${win}/Skalix-${PROJECT_VERSION}-win64-setup.exe)
add_test(NAME windows_skalix
         COMMAND ${windows_scripts}/smoke.sh ${win}/skalix.exe ${win}/skalix-under-wine.png)
add_test(NAME windows_versioninfo
         COMMAND ${windows_scripts}/versioninfo.py ${PROJECT_VERSION} ${win}/skalix.exe ${setup})
add_test(NAME windows_installer_pages COMMAND ${windows_scripts}/installer-pages.sh ${setup})
add_test(NAME windows_installer COMMAND ${windows_scripts}/installer.sh ${setup})

get_property(tests DIRECTORY PROPERTY TESTS)
list(FILTER tests INCLUDE REGEX "^windows_")
set_tests_properties(${tests} PROPERTIES LABELS windows)
list(REMOVE_ITEM tests windows_build)
set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED windows TIMEOUT 300)
set(offscreen ${tests})
list(FILTER offscreen INCLUDE REGEX "^windows_tst_")
set(on_display windows_skalix windows_installer_pages windows_installer)
foreach(test IN LISTS on_display)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT SKALIX_WINEPREFIX=${win}/wineprefix)
endforeach()
# The installer's tests add "-installer" to the prefix's name: they share
# one, the program's test another, and the two run side by side. They
# take longest, so they start first.
set_tests_properties(windows_skalix PROPERTIES RESOURCE_LOCK wine COST 20)
set_tests_properties(windows_installer_pages windows_installer PROPERTIES
                     RESOURCE_LOCK wine-installer COST 30)
foreach(test IN LISTS offscreen)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT SKALIX_WINEPREFIX=${win}/wineprefix-offscreen)
    set_property(TEST ${test} PROPERTY ENVIRONMENT_MODIFICATION DISPLAY=unset:)
endforeach()
