# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: one static skalix.exe with its icon and version
# information, Liberation Sans inside it, and an installer and a portable
# zip made by CPack.

# The version as Windows wants it in numbers: 1.00 -> 1,0,0,0.
set(SKALIX_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
string(REGEX REPLACE ",0+([0-9])" ",\\1" SKALIX_VERSION_COMMAS "${SKALIX_VERSION_COMMAS}")
set(SKALIX_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/dist/windows/skalix.ico)
configure_file(dist/windows/skalix.rc.in ${CMAKE_CURRENT_BINARY_DIR}/skalix.rc @ONLY)
target_sources(skalix PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/skalix.rc)
# A window program: no console opens beside it.
set_target_properties(skalix PROPERTIES WIN32_EXECUTABLE TRUE)
# Shipped as it is built: without its debug information, and with no
# link time in its headers (the linker would stamp the COFF header and the
# export table, and so change the checksum), so a rebuild gives the same
# bytes. CPack takes it as it is, not stripped again (which stamps it anew).
target_link_options(skalix PRIVATE -s -Wl,--no-insert-timestamp)

# What the installer and the zip hold: the program, its licence, and the
# font's licence.
install(TARGETS skalix RUNTIME DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES dist/windows/LiberationSans-LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Skalix)
set(CPACK_PACKAGE_VENDOR Skalix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME Skalix-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# The installer is our own German one: CPack takes NSIS.template.in from
# the module path before its own. What it needs beyond CPack's variables:
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/dist/windows/nsis)
string(REPLACE "," "." CPACK_SKALIX_VERSION_QUAD "${SKALIX_VERSION_COMMAS}")
set(CPACK_SKALIX_ICON ${SKALIX_WINDOWS_ICON})
set(CPACK_SKALIX_COMMENTS "Rechnen Sie aus, welche Note ein Schüler nach einem bestimmten Notenschlüssel für seine Punkte bekommen müsste, wenn es eine bestimmte Punktzahl maximal zu erreichen gab!")
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.skalix.example/")
# Skalix-<version>-win64-setup.exe for the installer and
# Skalix-<version>-win64-portable.zip for the portable copy: named in
# cmake/cpack-project.cmake.in.
include(CPack)
