# Installation, which the Debian package (debian/) uses as it stands.
#
# `cmake --install` puts the program into bin and, under share, the desktop
# entry, the icon (scalable and 48 px) and the AppStream metainfo, all named
# after the application id, which is also the program's desktop file name,
# and the manual page.

set(ALTITUDE_APP_ID org.altitude.altitude)
set(ALTITUDE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

# qt_standard_project_setup() gives the program an install RPATH of $ORIGIN
# and $ORIGIN/../lib, meant for libraries installed next to it. The program
# has none: it links statically to its own code and dynamically only to Qt.
# Keep just the directories of a Qt outside the system's own, so that an
# install built against such a Qt still starts, while the packaged program,
# built against Debian's Qt, carries no RPATH at all.
set_target_properties(altitude PROPERTIES
    INSTALL_RPATH ""
    INSTALL_RPATH_USE_LINK_PATH TRUE)

install(TARGETS altitude RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ALTITUDE_DATA_DIR}/altitude.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
