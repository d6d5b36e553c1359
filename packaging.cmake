# Installing like any desktop program, and a Debian package with computed dependencies.
include(GNUInstallDirs)
# The desktop entry and the icons are named after the application id.
configure_file(data/keelwright.desktop.in ${PROJECT_BINARY_DIR}/${KEELWRIGHT_APP_ID}.desktop @ONLY)

install(TARGETS keelwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/${KEELWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/icons/keelwright.svg RENAME ${KEELWRIGHT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/icons/keelwright.png RENAME ${KEELWRIGHT_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_PACKAGE_NAME keelwright)
set(CPACK_PACKAGE_VENDOR "The Keelwright developers")
set(CPACK_PACKAGE_CONTACT "Keelwright developers <keelwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ship class and weapon command editor for Vantor builders")
set(CPACK_PACKAGE_DESCRIPTION
    "Keelwright writes the exact @space administrative commands that define a Vantor ship class or weapon in a MUSH, from a form.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
