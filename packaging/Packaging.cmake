# The desktop integration files, the manual page and the Debian package,
# included by app/ after the quibbler target and QUIBBLER_APP_ID are defined.
#
#   cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DQUIBBLER_TESTS=OFF
#   cmake --build build-pkg
#   cd build-pkg && cpack -G DEB
#
# scripts/package-check does all this and checks the package with lintian.
set(quibbler_packaging_dir ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${quibbler_packaging_dir}/${QUIBBLER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Desktops that start programs over the session bus start this one with it.
configure_file(${quibbler_packaging_dir}/${QUIBBLER_APP_ID}.service.in
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${QUIBBLER_APP_ID}.service @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${QUIBBLER_APP_ID}.service
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)
install(FILES ${quibbler_packaging_dir}/${QUIBBLER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/app/icons/quibbler.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUIBBLER_APP_ID}.svg)
install(FILES ${quibbler_packaging_dir}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quibbler)

# The package's version comes from project(); its changelog must have an entry
# for it, newest first.
file(STRINGS ${quibbler_packaging_dir}/changelog quibbler_changelog_top LIMIT_COUNT 1)
if(NOT quibbler_changelog_top MATCHES "^quibbler \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the first entry is not for version ${PROJECT_VERSION}")
endif()

# The manual page and the changelog go in gzip-compressed at the highest level,
# without a file name or time in the header, so that builds are reproducible.
find_program(QUIBBLER_GZIP gzip REQUIRED)
set(quibbler_compressed)
foreach(file quibbler.6 changelog)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file})
    add_custom_command(OUTPUT ${out}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${quibbler_packaging_dir}/${file} ${out}
        COMMAND ${QUIBBLER_GZIP} -9nf ${out}
        DEPENDS ${quibbler_packaging_dir}/${file}
        VERBATIM)
    list(APPEND quibbler_compressed ${out}.gz)
endforeach()
add_custom_target(quibbler_docs ALL DEPENDS ${quibbler_compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/quibbler.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
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
