# Installing like a desktop program: the program (with its manual page, see
# manual_pages.cmake), the shipped event files and help pages in
# <prefix>/share/quorval, a desktop entry and the program's icon in the
# standard places. `cpack -G DEB` makes a Debian package from the same rules.
set(quorval_data_dir ${CMAKE_INSTALL_DATADIR}/quorval)
install(FILES ${PROJECT_SOURCE_DIR}/events/Lisk2005.ini ${PROJECT_SOURCE_DIR}/events/Results2005.ini
        DESTINATION ${quorval_data_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${quorval_data_dir})
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quorval.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/art/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quorval.png)
endforeach()

set(CPACK_PACKAGE_NAME quorval)
set(CPACK_PACKAGE_VENDOR "ORVENDAL QUORVAL")
set(CPACK_PACKAGE_CONTACT "ORVENDAL QUORVAL team <quorval@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn duplicate bridge in a simulated bridge club")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "You sit South and play the boards of 27 stored events; the computer bids from a library in four\n"
    "bidding systems and plays the other hands, and every board is scored against a field of 18\n"
    "stored results by match points or IMPs. English, Danish, Norwegian and Swedish.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quorval)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link (Qt, the double-dummy solver) become the
# package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
