# Installing the game like any desktop game: the program and its files together in one folder
# (the game looks for everything beside its executable), a command on the PATH, the menu entry,
# the software-centre description and the icons. `cpack -G DEB` turns the same rules into a
# Debian package for /usr.
include(GNUInstallDirs)

set(BRIVETTA_ID org.example.Brivetta)
set(BRIVETTA_INSTALL_DIR lib/brivetta CACHE STRING
    "Folder, under the prefix, of the executable and the files it reads")
set(BRIVETTA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET brivetta)
    install(TARGETS brivetta brivetta-suono RUNTIME DESTINATION ${BRIVETTA_INSTALL_DIR})

    # The command on the PATH is a relative symbolic link: the program resolves its own path
    # through it, so it still finds its files beside the real executable, under any prefix.
    file(RELATIVE_PATH BRIVETTA_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR}
         /prefix/${BRIVETTA_INSTALL_DIR}/brivetta)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/installa)
    file(CREATE_LINK ${BRIVETTA_LINK_TARGET} ${CMAKE_BINARY_DIR}/installa/brivetta SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/installa/brivetta DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Card sets, sounds and help. A settings or statistics file left by a test run in the source
# tree is the player's, never shipped.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${BRIVETTA_INSTALL_DIR}
        REGEX "/\\.[^/]*$" EXCLUDE
        REGEX "/[Bb][Rr][Ii][Vv][Ee][Tt][Tt][Aa]\\.([Ii][Nn][Ii]|[Bb][Aa][Kk])$" EXCLUDE
        REGEX "/statistiche\\.json(\\.danneggiato)?$" EXCLUDE)

install(FILES ${BRIVETTA_PACKAGING_DIR}/${BRIVETTA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BRIVETTA_PACKAGING_DIR}/${BRIVETTA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${BRIVETTA_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brivetta)

# The application icon under its desktop id, in every size drawn. The glob is checked at each
# build, so icons added later are picked up.
file(GLOB BRIVETTA_ICONE CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/immagini/brivetta-*.png
     ${PROJECT_SOURCE_DIR}/ui/immagini/brivetta.svg)
foreach(icona ${BRIVETTA_ICONE})
    get_filename_component(nome ${icona} NAME)
    if(nome MATCHES "^brivetta-([0-9]+)\\.png$")
        set(lato ${CMAKE_MATCH_1})
        install(FILES ${icona} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps
                RENAME ${BRIVETTA_ID}.png)
    elseif(nome STREQUAL "brivetta.svg")
        install(FILES ${icona} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
                RENAME ${BRIVETTA_ID}.svg)
    endif()
endforeach()

# The Debian package.
# `make package` and `make install` build first; packaging must not start a build of its own
# (in the package check, it would rebuild programs other checks are running).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivetta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brivetta Team")
set(CPACK_PACKAGE_CONTACT "Brivetta Team <brivetta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian banking card game: reach 7½ without going bust")
set(CPACK_PACKAGE_DESCRIPTION
    "Brivetta is the traditional Italian card game in which every player bets against the\n\
dealer, played with a 40-card Italian-suited deck against up to five computer players.\n\
The best hand is worth 7½ points; a hand worth more is lost.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brivetta Team <brivetta@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brivetta.example.org/)
# The libraries the executable links (Qt Core, Gui, Widgets...) come from dpkg-shlibdeps; what Qt
# loads at run time (window system and sound plug-ins) must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6multimedia6, libqt6charts6, qt6-qpa-plugins, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good")
# Qt's own translations give the standard buttons their English and Spanish names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, xdg-utils, qt6-translations-l10n")
include(CPack)

# Checks of the shipped files and of both kinds of installation.
set(BRIVETTA_INSTALL_TESTS ${PROJECT_SOURCE_DIR}/tests/install)
find_program(BRIVETTA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(BRIVETTA_APPSTREAMCLI appstreamcli)
add_test(NAME install_voce_menu_valida
         COMMAND sh ${BRIVETTA_INSTALL_TESTS}/valida.sh "${BRIVETTA_DESKTOP_FILE_VALIDATE}"
                 ${BRIVETTA_PACKAGING_DIR}/${BRIVETTA_ID}.desktop)
add_test(NAME install_metainfo_valida
         COMMAND sh ${BRIVETTA_INSTALL_TESTS}/valida.sh "${BRIVETTA_APPSTREAMCLI}" validate
                 --no-net ${BRIVETTA_PACKAGING_DIR}/${BRIVETTA_ID}.metainfo.xml)
if(TARGET brivetta)
    add_test(NAME install_in_un_prefisso
             COMMAND sh ${BRIVETTA_INSTALL_TESTS}/installa_prefisso.sh ${CMAKE_BINARY_DIR}
                     ${PROJECT_SOURCE_DIR})
    add_test(NAME install_pacchetto_deb
             COMMAND sh ${BRIVETTA_INSTALL_TESTS}/pacchetto_deb.sh ${CMAKE_BINARY_DIR}
                     ${PROJECT_SOURCE_DIR})
endif()
