# Installs the build into a fresh prefix and checks that the tree holds everything the
# installed program needs, and that the desktop entry and the AppStream file validate.
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<sources> -DPREFIX=<empty folder> -DWITH_UI=ON|OFF
#         -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(id org.sudokukestrel.SudokuKestrel)
set(expected bin/kestrel-tool)
if(WITH_UI)
    list(APPEND expected bin/sudokukestrel share/sudokukestrel/help/style.css
         share/applications/${id}.desktop
         share/icons/hicolor/scalable/apps/${id}.svg
         share/metainfo/${id}.metainfo.xml share/sudokukestrel/screenshots/main.png)
endif()
# The help of every language beside the program: the pages the program opens by name and
# the general pages, and every file of the help in the sources, in the same folders.
if(WITH_UI)
    foreach(language en zh)
        foreach(page index playing Candidates Color history exchange printing keyboard
                     techniques)
            list(APPEND expected share/sudokukestrel/help/${language}/${page}.htm)
        endforeach()
    endforeach()
    file(GLOB_RECURSE help_sources RELATIVE ${SOURCE_DIR}/src/app/help ${SOURCE_DIR}/src/app/help/*)
    foreach(file IN LISTS help_sources)
        list(APPEND expected share/sudokukestrel/help/${file})
    endforeach()
endif()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing from the install tree: ${path}")
    endif()
endforeach()

# The installed tool runs on its own: the bank is inside it, not beside the build.
execute_process(COMMAND ${PREFIX}/bin/kestrel-tool check-bank WORKING_DIRECTORY ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "installed kestrel-tool check-bank failed (${status}): ${out}${err}")
endif()

if(NOT WITH_UI)
    return()
endif()
file(READ ${PREFIX}/share/applications/${id}.desktop entry)
if(NOT entry MATCHES "\nExec=sudokukestrel\n" OR NOT entry MATCHES "\nIcon=${id}\n")
    message(FATAL_ERROR "the desktop entry does not start sudokukestrel with its icon")
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${id}.desktop
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate rejects the desktop entry")
    endif()
endif()
# The metainfo file names its screenshot by the address the package's own picture is to be
# published at; the picture it describes is the one installed.
file(READ ${PREFIX}/share/metainfo/${id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<image type=\"source\" width=\"([0-9]+)\" height=\"([0-9]+)\">https://[^<]+/screenshots/main\\.png</image>")
    message(FATAL_ERROR "the metainfo file names no screenshot main.png with its size")
endif()
set(width ${CMAKE_MATCH_1})
set(height ${CMAKE_MATCH_2})
file(READ ${PREFIX}/share/sudokukestrel/screenshots/main.png header LIMIT 24 HEX)
string(SUBSTRING ${header} 32 8 png_width)
string(SUBSTRING ${header} 40 8 png_height)
math(EXPR png_width "0x${png_width}")
math(EXPR png_height "0x${png_height}")
if(NOT png_width EQUAL width OR NOT png_height EQUAL height)
    message(FATAL_ERROR "the screenshot is ${png_width}x${png_height}, the metainfo says ${width}x${height}")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                            ${PREFIX}/share/metainfo/${id}.metainfo.xml RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate rejects the metainfo file")
    endif()
endif()
