# Installation and the Debian package.
#
# `cmake --install` puts the program into bin and, under share, the desktop
# entry, the icon (scalable and 48 px) and the AppStream metainfo, all named
# after the application id, which is also the program's desktop file name.
# `cpack` (or `make package` at the top) wraps the same files in a .deb.

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

# cpack builds the whole project (tests and benchmarks included) before it
# installs, unless the install step is kept apart from the build. `make
# package` builds everything first anyway, and the package test must not start
# a build in the tree it is testing while other tests run from it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS altitude RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${ALTITUDE_DATA_DIR}/${ALTITUDE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(ALTITUDE_PACKAGE_MAINTAINER "altitude maintainers" CACHE STRING
    "Maintainer field of the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME altitude)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "geometry lesson: the altitude from the right angle of a triangle")
# One line of the Debian description each, under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A program for geometry lessons with one window, all in Japanese:"
    "三角形の直角の頂点から下ろした垂線, the perpendicular dropped from the"
    "right-angle vertex of a triangle. The teacher drags the right-angle vertex A"
    "of a right triangle along the semicircle over its horizontal hypotenuse;"
    "the altitude, the right-angle marks, the letters and the lengths in"
    "centimetres follow.")
# Debian ships programs stripped; the debug information of a RelWithDebInfo
# build would make up most of the package.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ALTITUDE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps finds the Qt and C++ libraries the program links to; the
# Japanese Gothic it draws every caption with is a dependency it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# The print and save dialogs speak Japanese with the toolkit's translations,
# and English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
