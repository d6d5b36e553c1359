# SPDX-License-Identifier: MIT
# Installing like any desktop program, and a Debian package with computed dependencies.
include(GNUInstallDirs)

# The desktop entry, metadata and icons are named after the application id.
set(generated ${PROJECT_BINARY_DIR}/data)
configure_file(data/keelwright.desktop.in ${generated}/${KEELWRIGHT_APP_ID}.desktop @ONLY)
configure_file(data/keelwright.metainfo.xml.in ${generated}/${KEELWRIGHT_APP_ID}.metainfo.xml @ONLY)
configure_file(data/keelwright.1.in ${generated}/keelwright.1 @ONLY)
configure_file(data/debian/changelog.in ${generated}/changelog @ONLY)

# Manual pages and changelogs are installed compressed, reproducibly (no name, no time stamp).
find_program(GZIP gzip REQUIRED)
foreach(file keelwright.1 changelog)
    add_custom_command(OUTPUT ${generated}/${file}.gz
        COMMAND ${GZIP} -9nc ${generated}/${file} > ${generated}/${file}.gz
        DEPENDS ${generated}/${file} VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${generated}/keelwright.1.gz ${generated}/changelog.gz)

install(TARGETS keelwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${KEELWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${KEELWRIGHT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/keelwright.svg RENAME ${KEELWRIGHT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/icons/keelwright.png RENAME ${KEELWRIGHT_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${generated}/keelwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/keelwright)

set(CPACK_PACKAGE_NAME keelwright)
set(CPACK_PACKAGE_VENDOR "The Keelwright developers")
set(CPACK_PACKAGE_CONTACT "Keelwright developers <keelwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ship class and weapon command editor for Vantor builders")
# The extended description, below the summary; its lines stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "Keelwright writes the exact @space administrative commands that define a
Vantor ship class or weapon in a MUSH, from a form. Saved command files open
again in the editor they belong to.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
