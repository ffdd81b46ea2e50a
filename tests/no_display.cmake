# SPDX-License-Identifier: GPL-3.0-or-later
# Started where no window system can be reached, the program says so in
# German on stderr and exits with status 1: no abort, no core dump. With no
# window system named at all that line is all it writes; where one is named
# but not there, the libraries' own complaints may stand before it.
# Called with -DSKALIX=path/to/skalix
cmake_minimum_required(VERSION 3.25)

set(message "Skalix braucht eine grafische Oberfläche (X11 oder Wayland).\n")
set(clean --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
# Each case: a name, whether the line must be all of stderr, the environment.
set(cases
    "nothing set|alone"
    "DISPLAY without a server|last|DISPLAY=:1999"
    "WAYLAND_DISPLAY without a compositor|last|WAYLAND_DISPLAY=skalix-nowhere")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(POP_FRONT parts name where)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${clean} ${parts} ${SKALIX}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                    TIMEOUT 20)
    string(LENGTH "${err}" length)
    string(LENGTH "${message}" wanted)
    math(EXPR from "${length} - ${wanted}")
    if(from LESS 0)
        set(from 0)
    endif()
    string(SUBSTRING "${err}" ${from} -1 tail)
    if(NOT status STREQUAL "1" OR NOT tail STREQUAL message OR NOT out STREQUAL ""
       OR (where STREQUAL "alone" AND NOT err STREQUAL message))
        message(SEND_ERROR "${name}: status ${status}, stderr \"${err}\", stdout \"${out}\"")
    endif()
endforeach()
