# Installing Skalix like any desktop program: the binary, a desktop entry,
# AppStream metainfo and the icon in the hicolor theme; and a Debian package.

include(GNUInstallDirs)

install(TARGETS skalix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skalix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Rechnen Sie aus, welche Note ein Schüler nach einem bestimmten Notenschlüssel für seine Punkte bekommen müsste, wenn es eine bestimmte Punktzahl maximal zu erreichen gab!")
set(CPACK_PACKAGE_CONTACT "Skalix <info@skalix.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.skalix.example/")
# The runtime libraries are found by dpkg-shlibdeps; the font with the
# metrics the captions were set for, and Qt's own German texts, are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
