# Installation into the desktop's standard places; debian/ builds the package from it.
include(GNUInstallDirs)

set(VUVERE_APP_ID de.qrw.VuvereRovivudevu)
set(VUVERE_RESOURCES ${PROJECT_SOURCE_DIR}/src/resources)

install(TARGETS vuvere-rovivudevu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VUVERE_RESOURCES}/${VUVERE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VUVERE_RESOURCES}/${VUVERE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Desktops look the icon up by the application id.
install(FILES ${VUVERE_RESOURCES}/pictures/abacus.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VUVERE_APP_ID}.svg)
# The window icon's PNG files from the build, for menus and task bars that want pixels.
foreach(size 16 22 24 32 48 64 96 128 256)
    install(FILES ${PROJECT_BINARY_DIR}/src/icons/abacus-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VUVERE_APP_ID}.png)
endforeach()

# The manual pages; the Debian package compresses them and adds the copyright and changelog.
install(FILES packaging/man/en/${PROJECT_NAME}.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/man/de/${PROJECT_NAME}.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
