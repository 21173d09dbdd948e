# Installation into the desktop's standard places, and a Debian package made by CPack.
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

# Debian wants the copyright, the changelog and the manual pages, the last two compressed
# without a time stamp so that the package builds the same every time.
set(VUVERE_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(VUVERE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(compressed)
foreach(file changelog man/en/${PROJECT_NAME}.6 man/de/${PROJECT_NAME}.6)
    set(out ${PROJECT_BINARY_DIR}/packaging/${file}.gz)
    get_filename_component(out_dir ${out} DIRECTORY)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
        COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" ${VUVERE_PACKAGING}/${file} ${out}
        DEPENDS ${VUVERE_PACKAGING}/${file} VERBATIM)
    list(APPEND compressed ${out})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${compressed})
install(FILES ${VUVERE_PACKAGING}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${VUVERE_DOC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/en/${PROJECT_NAME}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/de/${PROJECT_NAME}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vuvere-rovivudevu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR QRW)
set(CPACK_PACKAGE_CONTACT "QRW <info@qrw.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "multiplication drill for primary school / Einmaleins-Übung für die Grundschule")
set(CPACK_PACKAGE_DESCRIPTION [=[
Vuvere Rovivudevu is a drill program for primary-school children. The child
multiplies a two-digit number by a one-digit number by splitting it into tens
and units: for 8 · 47 it types 320, 56 and 376, and the program puts in the +
and = signs itself. Wrong answers are counted and listed; after every tenth
right answer there is a round of Memory as a reward.

Vuvere Rovivudevu ist ein Übungsprogramm für Kinder in der Grundschule. Das
Kind multipliziert eine zweistellige mit einer einstelligen Zahl, indem es sie
in Zehner und Einer zerlegt: Bei 8 · 47 tippt es 320, 56 und 376 ein, das Plus-
und das Gleichheitszeichen setzt das Programm selbst. Falsche Antworten werden
gezählt und aufgelistet; nach jeder zehnten richtigen Antwort gibt es zur
Belohnung eine Runde Memory.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QRW <info@qrw.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own German texts; the library dependencies found in the binary are added to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The design's font, the beep's sound theme and the sound server's back end are only looked
# up at run time.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, sound-theme-freedesktop, libcanberra-pulse")

include(CPack)
