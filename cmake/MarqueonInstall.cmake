# Installs Marqueon as a desktop program and packages it for Debian:
#   cmake --install build/default --prefix P, and in the build folder cpack -G DEB (the target deb)
#
# The program recognises an installed copy by this layout, PREFIX/games beside PREFIX/share/marqueon,
# and then keeps the user's files in ~/.local/share/marqueon; so the folders are fixed here rather
# than taken from GNUInstallDirs.

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_generated ${PROJECT_BINARY_DIR}/data)
configure_file(${_data}/marqueon.desktop.in ${_generated}/${MARQUEON_APP_ID}.desktop @ONLY)
configure_file(${_data}/marqueon.metainfo.xml.in ${_generated}/${MARQUEON_APP_ID}.metainfo.xml @ONLY)
configure_file(${_data}/marqueon.6.in ${_generated}/marqueon.6 @ONLY)
configure_file(${_data}/changelog.in ${_generated}/changelog @ONLY)
# Debian keeps manual pages and changelogs compressed, the same bytes on every build (-n: no name
# or time stamp inside).
foreach(_file marqueon.6 changelog)
  add_custom_command(OUTPUT ${_generated}/${_file}.gz
                     COMMAND gzip -9nc ${_generated}/${_file} > ${_generated}/${_file}.gz
                     DEPENDS ${_generated}/${_file} VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${_generated}/marqueon.6.gz ${_generated}/changelog.gz)

# Qt's project setup points the installed program at PREFIX/lib; it needs nothing from there.
set_target_properties(marqueon PROPERTIES INSTALL_RPATH "")
# A game's program, as Debian keeps them: PREFIX/games, on the search path of every Debian user.
install(TARGETS marqueon RUNTIME DESTINATION games)
install(FILES ${_data}/retro.txt DESTINATION share/marqueon)
install(FILES ${_generated}/${MARQUEON_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${_generated}/${MARQUEON_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${_generated}/marqueon.6.gz DESTINATION share/man/man6)
install(FILES ${_data}/copyright ${_generated}/changelog.gz DESTINATION share/doc/marqueon)
# The PNGs are rendered from the SVG: rsvg-convert -w N -h N marqueon.svg -o marqueon-N.png
install(FILES ${_data}/icons/marqueon.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${MARQUEON_APP_ID}.svg)
foreach(size 48 128 256)
  install(FILES ${_data}/icons/marqueon-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${MARQUEON_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marqueon)
set(CPACK_PACKAGE_VENDOR Marqueon)
set(MARQUEON_MAINTAINER "Marqueon developers <marqueon@example.org>"
    CACHE STRING "The package's maintainer, Name <address>")
set(CPACK_PACKAGE_CONTACT ${MARQUEON_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front end for the arcade emulator MAME")
# Debian shows the description as it is written: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Marqueon lists every game your MAME knows and shows which of them you have\n"
       "installed, with each game's maker, year, screen shot and history. Choose\n"
       "display, sound and control settings for all games or for one, and start a\n"
       "game with a click. Marqueon also audits your ROM and sample collection and\n"
       "tidies the files the emulator keeps for each game. A wizard sets it up on\n"
       "its first start.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system and database plugins at run time, where the library scan cannot
# see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS mame)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# The package from the program alone: cmake --build --preset default --target deb
add_custom_target(deb COMMAND ${CMAKE_CPACK_COMMAND} -G DEB WORKING_DIRECTORY ${PROJECT_BINARY_DIR} USES_TERMINAL)
add_dependencies(deb marqueon)
