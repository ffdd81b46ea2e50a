# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Skalix like any desktop program: the binary, a desktop entry,
# AppStream metainfo, the icon in the hicolor theme, a man page, the
# copyright and the changelog; and a Debian package of all that.

include(GNUInstallDirs)

install(TARGETS skalix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped for the package (CPack's strip) and without the compilers'
# .comment section, which names their versions and serves nothing.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                                \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/skalix
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES dist/${SKALIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(dist/${SKALIX_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${SKALIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SKALIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(SKALIX_ICON_SIZES 16 32 48 64 128 256)
foreach(size IN LISTS SKALIX_ICON_SIZES)
    install(FILES dist/icons/skalix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${SKALIX_APP_ID}.png)
endforeach()
install(FILES dist/icons/skalix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SKALIX_APP_ID}.svg)

# The man page, and the changelog made from CHANGELOG.md, compressed as
# Debian wants them: gzip -9 without a time stamp, so builds are reproducible.
set(SKALIX_MAINTAINER "Skalix <info@skalix.example>")
set(doc ${CMAKE_CURRENT_BINARY_DIR}/doc)
configure_file(dist/skalix.1.in ${doc}/skalix.1 @ONLY)
add_custom_command(
    OUTPUT ${doc}/skalix.1.gz ${doc}/changelog.gz
    COMMAND gzip -9nf -k skalix.1
    COMMAND awk -v package=skalix -v "maintainer=${SKALIX_MAINTAINER}" -v output=changelog
            -f ${PROJECT_SOURCE_DIR}/cmake/debian-changelog.awk ${SKALIX_CHANGELOG}
    COMMAND gzip -9nf changelog
    DEPENDS ${doc}/skalix.1 ${SKALIX_CHANGELOG} ${PROJECT_SOURCE_DIR}/cmake/debian-changelog.awk
    WORKING_DIRECTORY ${doc}
    VERBATIM)
add_custom_target(skalixdocs ALL DEPENDS ${doc}/skalix.1.gz ${doc}/changelog.gz)
install(FILES ${doc}/skalix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/copyright ${doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skalix)
install(FILES dist/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME skalix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skalix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 columns; CPack indents them and marks the empty one.
set(CPACK_PACKAGE_DESCRIPTION [=[
Rechnen Sie aus, welche Note ein Schüler nach einem bestimmten
Notenschlüssel für seine Punkte bekommen müsste, wenn es eine bestimmte
Punktzahl maximal zu erreichen gab!

Skalix zeigt die Note bei jedem Tastendruck und jeder Reglerbewegung sofort
an. Der Notenschlüssel lässt sich von Hand eintragen oder mit dem Standard-,
dem linearen, dem IHK- oder dem MSS-Punkte-Schlüssel füllen.]=])
set(CPACK_PACKAGE_CONTACT "${SKALIX_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.skalix.example/")
# The runtime libraries are found by dpkg-shlibdeps and added to these.
# The window is laid out in the metrics of Liberation Sans: without it the
# captions are cut off, so it is a dependency. Wayland desktops need Qt's
# Wayland plugin, and Qt's own texts come in German with its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# Reproducible: time stamps from the release day; the ar members' modes,
# which CPack takes from the builder's umask, made deterministic.
find_program(SKALIX_AR ar REQUIRED)
set(CPACK_SKALIX_AR ${SKALIX_AR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deterministic-deb.cmake)
include(CPack)
