# SPDX-License-Identifier: GPL-3.0-or-later
# The differential check: the core built for this machine and the core as
# WebAssembly (under Node.js, the engine of Chromium) print the very same
# lines for the same generated cases, byte for byte.
# Called with -DNATIVE=.../differential -DNODE=node -DWEB=.../differential.js
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${NATIVE} OUTPUT_VARIABLE native RESULT_VARIABLE native_status)
execute_process(COMMAND ${NODE} ${WEB} OUTPUT_VARIABLE web RESULT_VARIABLE web_status)
if(NOT native_status EQUAL 0 OR NOT web_status EQUAL 0)
    message(FATAL_ERROR "The check did not run: ${native_status} here, ${web_status} as WebAssembly")
endif()
if(NOT native STREQUAL web)
    string(REPLACE "\n" ";" native_lines "${native}")
    string(REPLACE "\n" ";" web_lines "${web}")
    foreach(line IN ZIP_LISTS native_lines web_lines)
        if(NOT line_0 STREQUAL line_1)
            message(FATAL_ERROR "The outputs differ first at\nhere:        ${line_0}\n"
                                "WebAssembly: ${line_1}")
        endif()
    endforeach()
    message(FATAL_ERROR "The outputs differ")
endif()
string(REGEX MATCHALL "\n" lines "${native}")
list(LENGTH lines count)
message(STATUS "${count} lines, the same here and as WebAssembly, byte for byte")
