# Installing the desktop program as a desktop application: the program, its
# desktop entry, its scalable icon and its AppStream metainfo, all named by
# the application's id; and a Debian package of the same (cpack -G DEB).
include(GNUInstallDirs)
set(ETERO_APP_ID org.eterometro.eterometro)

install(TARGETS eterometro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${ETERO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${ETERO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${ETERO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME eterometro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ETEROMETRO")
set(CPACK_PACKAGE_CONTACT "ETEROMETRO developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "small engineering calculators for radio amateurs and electronics hobbyists")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "ETEROMETRO is a workbench of about two hundred small calculators for coils,\n"
    "toroids, filters, antennas, transmission lines, decibels, resistors, valves\n"
    "and more, each answering one practical design question from a handful of\n"
    "typed numbers. Its user interface is in Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries the program links (Qt, the C++ runtime) become its dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
