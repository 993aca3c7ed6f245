# What `cmake --install` (and `make install PREFIX=...`) puts in place, and the Debian package
# that `make package` builds from the same files with CPack.

include(GNUInstallDirs)
set(ZUVADURO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zuvaduro)

install(TARGETS zuvaduro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The odds charts, loaded when the odds window opens, from ../lib/zuvaduro beside the program.
install(TARGETS zuvaduro_charts LIBRARY DESTINATION ${ZUVADURO_MODULE_DIR})
# The menu entry, the *.did file type and the pictures the desktop shows for both.
install(FILES res/desktop/zuvaduro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/desktop/zuvaduro-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zuvaduro.xml)
install(FILES res/icons/zuvaduro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES res/icons/application-x-zuvaduro-did.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
# The help pages are built into the program; these copies can be read without it.
install(FILES res/help/index.html res/help/listing.html res/help/files.html
        DESTINATION ${ZUVADURO_DOC_DIR}/help)
install(FILES README.md DESTINATION ${ZUVADURO_DOC_DIR})
# Who made what and under which terms, in the machine-readable form Debian reads.
install(FILES res/copyright DESTINATION ${ZUVADURO_DOC_DIR})
# The manual page and the change log, compressed as Debian keeps them: gzip at its best,
# without name or time, so that two builds give the same bytes.
set(ZUVADURO_MANPAGE ${CMAKE_CURRENT_BINARY_DIR}/zuvaduro.1.gz)
set(ZUVADURO_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
foreach(pair "res/zuvaduro.1;zuvaduro.1" "res/changelog;changelog")
    list(GET pair 0 source)
    list(GET pair 1 name)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source}
                ${CMAKE_CURRENT_BINARY_DIR}/${name}
        COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/${name}
        DEPENDS ${source}
        VERBATIM)
endforeach()
add_custom_target(zuvaduro_manpage ALL DEPENDS ${ZUVADURO_MANPAGE} ${ZUVADURO_CHANGELOG})
install(FILES ${ZUVADURO_CHANGELOG} DESTINATION ${ZUVADURO_DOC_DIR})
install(FILES ${ZUVADURO_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuvaduro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Rezurudo)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contract offers for mercenary units of a table-top wargame")
# Lines of at most 80 characters, for the terminals that show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "From a unit's rating, Zuvaduro rolls dice against fixed tables and produces\n"
    "up to four contract offers, shows them as a text listing that can be edited\n"
    "line by line, saves and opens them as .did files, prints the listing and\n"
    "prints a formal contract per offer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zuvaduro developers <zuvaduro@example.invalid>")
# Not "games": that section is for games, whose programs live in /usr/games; this is a game
# master's tool, and it lives in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt libraries and everything else the program and its charts module link are found by
# dpkg-shlibdeps; the platform and print plugins come with those same Qt packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printing asks for "Courier New"; Liberation Mono has its metrics. Qt's own translations give
# the standard buttons and dialogs the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
