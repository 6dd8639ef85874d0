# Install layout and the Debian package.
#
#   bin/sudokukestrel, bin/kestrel-tool
#   share/sudokukestrel/help/          the help (the program looks for it in
#                                      ../share/sudokukestrel/help beside its bin folder):
#       <lang>/*.htm                   one folder of pages per language (en, zh, …)
#       style.css, images/             shared by every language
#   share/sudokukestrel/screenshots/   the pictures the metainfo file names
#   share/applications/<id>.desktop    the desktop menu entry
#   share/icons/hicolor/scalable/apps/<id>.svg
#   share/metainfo/<id>.metainfo.xml   the AppStream description
#
# The puzzle bank and the language tables are compiled into both programs.
include(GNUInstallDirs)

set(KESTREL_APP_ID org.sudokukestrel.SudokuKestrel)

install(TARGETS kestrel-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(KESTREL_BUILD_UI)
    install(TARGETS sudokukestrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    foreach(file IN LISTS KESTREL_HELP_FILES)
        get_filename_component(folder ${file} DIRECTORY)
        install(FILES ${KESTREL_HELP_SOURCE}/${file}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/sudokukestrel/help/${folder})
    endforeach()
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KESTREL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/src/app/qt/icons/app.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${KESTREL_APP_ID}.svg)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KESTREL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/screenshots/main.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/sudokukestrel/screenshots)
endif()

# cpack -G DEB in the build folder writes sudokukestrel_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudokukestrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sudoku Kestrel developers")
set(CPACK_PACKAGE_CONTACT "The Sudoku Kestrel developers <sudokukestrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game, solver and teacher")
set(CPACK_PACKAGE_DESCRIPTION "Play Sudoku from a built-in bank at five levels or type a \
puzzle in, with pencil marks, colour marking, trial branches and a move history; the logic \
engine gives the next human-style step with its explanation. Chinese, English and Japanese \
interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SVG plugins that draw the icons,
# the CJK and the board-digit fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-wqy-microhei, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
