# SPDX-License-Identifier: GPL-3.0-or-later
# The web tests: the web page (made by its first test, scripts/web/build.sh,
# into build-wasm/ and the site build-web/), run by Node.js's own test
# runner (node --test) in Chromium, Firefox ESR and WebKitGTK, with Orca,
# and the differential check of the core as WebAssembly.

set(SKALIX_WEB_BUILD_DIR ${PROJECT_SOURCE_DIR}/build-wasm CACHE PATH
    "Where scripts/web/build.sh builds (the web preset's folder)")
set(SKALIX_WEB_SITE_DIR ${PROJECT_SOURCE_DIR}/build-web CACHE PATH
    "Where scripts/web/build.sh puts the site")
set(web_tests ${CMAKE_CURRENT_SOURCE_DIR}/web)
find_program(NODE node)
if(NOT NODE)
    set(NODE node) # the tests fail, saying so, where Node.js is missing
endif()

add_test(NAME web_build COMMAND ${PROJECT_SOURCE_DIR}/scripts/web/build.sh)
# The packages of package-lock.json, installed anew only where it changed.
add_test(NAME web_packages
         COMMAND sh -c "cmp -s package-lock.json node_modules/.skalix-lock ||
                        { npm ci --no-audit --no-fund --loglevel=error &&
                          cp package-lock.json node_modules/.skalix-lock; }"
         WORKING_DIRECTORY ${web_tests})
set_tests_properties(web_build web_packages PROPERTIES FIXTURES_SETUP web TIMEOUT 1200)

add_test(NAME web_differential
         COMMAND ${CMAKE_COMMAND} -DNATIVE=$<TARGET_FILE:differential> -DNODE=${NODE}
                 -DWEB=${SKALIX_WEB_BUILD_DIR}/tests/differential.js
                 -P ${web_tests}/differential.cmake)

# The site served, and the page in one file opened from disk as a teacher
# keeps it, in each engine.
set(web_file ${SKALIX_WEB_BUILD_DIR}/Skalix-${PROJECT_VERSION}.html)
foreach(engine chromium firefox webkit)
    set(launch "")
    if(engine STREQUAL "webkit")
        # WebKitWebDriver needs an X display.
        set(launch ${CMAKE_CURRENT_SOURCE_DIR}/session/on_x11.sh 1280x1024)
    endif()
    foreach(form site file)
        add_test(NAME web_${form}_${engine}
                 COMMAND ${launch} ${NODE} --test --test-reporter=tap ${web_tests}/site.test.mjs)
        set_tests_properties(web_${form}_${engine} PROPERTIES ENVIRONMENT SKALIX_ENGINE=${engine})
        list(APPEND web_tests_run web_${form}_${engine})
    endforeach()
    set_property(TEST web_file_${engine} APPEND PROPERTY ENVIRONMENT SKALIX_FILE=${web_file})
endforeach()
add_test(NAME web_page COMMAND ${NODE} --test --test-reporter=tap ${web_tests}/page.test.mjs)
set_tests_properties(web_page PROPERTIES
                     ENVIRONMENT SKALIX_NAMES=${SKALIX_WEB_BUILD_DIR}/page/names.json)

# What a blind teacher hears of the page: Orca with it in Chromium and in
# Firefox.
foreach(browser chromium firefox)
    add_test(NAME web_orca_${browser}
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/session/orca_web.sh ${SKALIX_WEB_SITE_DIR} ${browser})
endforeach()

set(tests web_differential ${web_tests_run} web_page web_orca_chromium web_orca_firefox)
set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED web TIMEOUT 400
                     SKIP_RETURN_CODE 77)
foreach(test IN LISTS tests)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT SKALIX_SITE=${SKALIX_WEB_SITE_DIR})
endforeach()
set_tests_properties(web_build web_packages ${tests} PROPERTIES LABELS web)
set_tests_properties(web_orca_chromium web_orca_firefox web_site_webkit web_file_webkit
                     PROPERTIES LABELS "web;session")
