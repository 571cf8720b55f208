# Installing like a desktop program: the program (with its manual page, see
# manual_pages.cmake), the shipped event files and help pages in
# <prefix>/share/quorval, a desktop entry and the program's icon in the
# standard places, the copyright and changelog in <prefix>/share/doc/quorval.
# `cpack -G DEB` makes a Debian package from the same rules; ./build.sh
# package configures it as Debian wants a game: the programs in /usr/games
# (-DCMAKE_INSTALL_BINDIR=games), their manual pages in section 6.
set(quorval_data_dir ${CMAKE_INSTALL_DATADIR}/quorval)
install(FILES ${PROJECT_SOURCE_DIR}/events/Lisk2005.ini ${PROJECT_SOURCE_DIR}/events/Results2005.ini
        DESTINATION ${quorval_data_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${quorval_data_dir})
# The desktop entry starts the program by its name when it lies where the
# user's PATH looks (bin), and by its whole path otherwise (/usr/games).
if(CMAKE_INSTALL_BINDIR STREQUAL "bin")
  set(quorval_exec quorval)
else()
  set(quorval_exec ${CMAKE_INSTALL_FULL_BINDIR}/quorval)
endif()
file(READ ${PROJECT_SOURCE_DIR}/resources/desktop/quorval.desktop quorval_desktop)
string(REPLACE "\nExec=quorval\n" "\nExec=${quorval_exec}\n" quorval_desktop "${quorval_desktop}")
file(WRITE ${PROJECT_BINARY_DIR}/quorval.desktop "${quorval_desktop}")
install(FILES ${PROJECT_BINARY_DIR}/quorval.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The copyright file, and the changelog compressed as Debian keeps it.
set(quorval_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quorval)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright DESTINATION ${quorval_doc_dir})
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog.gz
  COMMAND ${GZIP_EXECUTABLE} -9nkf ${PROJECT_BINARY_DIR}/debian/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog
  COMMENT "Compressed changelog"
  VERBATIM)
add_custom_target(quorval_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${quorval_doc_dir})
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/art/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quorval.png)
endforeach()

set(CPACK_PACKAGE_NAME quorval)
set(CPACK_PACKAGE_VENDOR "ORVENDAL QUORVAL")
set(CPACK_PACKAGE_CONTACT "ORVENDAL QUORVAL team <maintainers@users.noreply.c-seed-6ebe1a95.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn duplicate bridge in a simulated bridge club")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "You sit South and play the boards of 27 stored events; the computer bids\n"
    "from a library in four bidding systems and plays the other hands, and\n"
    "every board is scored against a field of 18 stored results by match\n"
    "points or IMPs. English, Danish, Norwegian and Swedish.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quorval)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# A game: Debian keeps games in section "games" with their programs in
# /usr/games (./build.sh package installs them there).
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link (Qt, the double-dummy solver) become the
# package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
