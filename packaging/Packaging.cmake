# The desktop integration files and the Debian package, included by app/ after
# the quibbler target and QUIBBLER_APP_ID are defined.
#
#   cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DQUIBBLER_TESTS=OFF
#   cmake --build build-pkg
#   cd build-pkg && cpack -G DEB
set(quibbler_packaging_dir ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${quibbler_packaging_dir}/${QUIBBLER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${quibbler_packaging_dir}/${QUIBBLER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/app/icons/quibbler.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUIBBLER_APP_ID}.svg)
install(FILES ${quibbler_packaging_dir}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quibbler)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quibbler)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quibbler developers")
set(CPACK_PACKAGE_CONTACT "Quibbler developers <dev@quibbler.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Creates random sentences and poems from words you teach it")
set(CPACK_PACKAGE_DESCRIPTION
    "Quibbler is a chat bot for your desktop. It learns the words you type into
its window and answers with random sentences and poems made of them. Teach
it words and proper nouns, pick its personality, let it write poems and
save its vocabulary for next time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quibbler developers <dev@quibbler.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps (package dpkg-dev); the windows'
# captions are laid out for a DejaVu Sans stand-in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")

include(CPack)
