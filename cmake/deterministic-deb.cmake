# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it made the Debian package (CPACK_POST_BUILD_SCRIPTS):
# CPack writes the package's three ar members with the modes the builder's
# umask gives them (rw-rw-r-- under umask 002). ar's deterministic mode
# writes them again with mode 644, owner 0 and time 0, whatever the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(work ${package}.members)
    file(REMOVE_RECURSE ${work})
    file(MAKE_DIRECTORY ${work})
    execute_process(COMMAND ${CPACK_SKALIX_AR} x ${package} WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${package})
    execute_process(COMMAND ${CPACK_SKALIX_AR} rcD ${package} debian-binary control.tar.gz data.tar.gz
                    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${work})
endforeach()
