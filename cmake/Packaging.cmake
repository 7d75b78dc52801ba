# Installs the game in the usual places of a Linux desktop, and makes the Debian package:
#   cmake --build build --target package   ->   morvane_1.5.0_amd64.deb
include(GNUInstallDirs)

set(morvane_desktop_id org.morvane.Morvane)
set(morvane_desktop ${CMAKE_SOURCE_DIR}/assets/desktop)

install(TARGETS morvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${morvane_desktop}/${morvane_desktop_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${morvane_desktop}/${morvane_desktop_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/app.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME morvane.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES ${morvane_desktop}/icons/${size}/morvane.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Morvane developers <dev@morvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "territory game for a fourth-grade lesson on area")
set(CPACK_PACKAGE_DESCRIPTION
    "Two children paint the regions of a board of black lines in their two colours; a check\n"
    "button draws a bar graph of who took more ground. A teacher settings dialog decides what\n"
    "the children may use.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library dependency names them: the fonts, Qt's own translations
# and the SVG plugins that draw the icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation, qt6-translations-l10n, libqt6svg6")
include(CPack)
