# Desktop integration and the Debian package: the menu entry, the AppStream metainfo, the icon
# and the man page, all under one application id, and the CPack settings for `cpack -G DEB`.
# Included by the top-level CMakeLists.txt after the install rules of the programs.

set(DM_APP_ID it.tarbelo.DimensionamentoMotori)
set(DM_HOMEPAGE https://www.tarbelo.it/dimensionamento-motori)

install(FILES dist/${DM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(dist/${DM_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/dist/${DM_APP_ID}.metainfo.xml
    @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${DM_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The picture of the main window is wider than tall; icon themes draw square icons, so the
# installed icon is the same drawing on a square page, centred.
file(READ ui/icons/motore.svg DM_ICON)
set(DM_ICON_PAGE [[width="120" height="90" viewBox="0 0 120 90"]])
string(FIND "${DM_ICON}" "${DM_ICON_PAGE}" DM_ICON_AT)
if(DM_ICON_AT LESS 0)
    message(FATAL_ERROR "ui/icons/motore.svg no longer has the page ${DM_ICON_PAGE}: "
                        "update the square page of the icon in dist/pacchetto.cmake")
endif()
string(REPLACE "${DM_ICON_PAGE}" [[width="120" height="120" viewBox="0 -15 120 120"]]
    DM_ICON "${DM_ICON}")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/dist/${DM_APP_ID}.svg CONTENT "${DM_ICON}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ui/icons/motore.svg)
install(FILES ${CMAKE_BINARY_DIR}/dist/${DM_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants man pages compressed with gzip -9n (no name, no time stamp: the same bytes on
# every build).
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/dimensionamento-motori-calc.1.gz
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/dist/dimensionamento-motori-calc.1
            > ${CMAKE_BINARY_DIR}/dist/dimensionamento-motori-calc.1.gz
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/dist/dimensionamento-motori-calc.1
    VERBATIM)
add_custom_target(manuale ALL DEPENDS ${CMAKE_BINARY_DIR}/dist/dimensionamento-motori-calc.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/dist/dimensionamento-motori-calc.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME dimensionamento-motori)
set(CPACK_PACKAGE_VENDOR Tarbelo)
set(CPACK_PACKAGE_CONTACT "Tarbelo <software@tarbelo.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sizing of the electric motor of a mechanical drive")
set(CPACK_PACKAGE_DESCRIPTION "\
Verifica Dimensionamento Motori is a calculator for machine designers: for a drum
hoist, a belt conveyor, a screw lift or horizontal screw travel, a reel winder or
unwinder, it gives the motor power, the torques, the moment of inertia referred to
the motor shaft and the motor speed. A utility gives the inertia of a solid or
hollow cylinder. The user interface is in Italian.

The package holds the windowed program and dimensionamento-motori-calc, which runs
the same calculations on a data file from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DM_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; libqt6svg6 among them also brings the SVG icon engine
# the buttons need. The windows ask for Arial, Courier New and Times New Roman, which
# fontconfig maps to the metric-compatible Liberation fonts. Qt's own texts (standard dialogs,
# context menus) come in Italian from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
