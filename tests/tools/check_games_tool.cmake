# Drives kestrel-tool games through a player's story on a real games.dat in a scratch folder,
# checking every output, exit status and the file's bytes where they must not change.
#
#   cmake -DTOOL=<kestrel-tool> -DWORK=<scratch folder> -P check_games_tool.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(store ${WORK}/games.dat)

# A board: a given 5, an open cell with pruned, unsorted candidates, empty open cells, a
# placed 9 at the end.
set(cells "15" "3721")
foreach(i RANGE 1 78)
    list(APPEND cells "3")
endforeach()
list(APPEND cells "29")
list(JOIN cells "," snapshot)
# Loading it: some open cells are empty, so Pencil and Paper without candidate marks.
string(REPLACE "15,3721," "15,3," loaded "${snapshot}")
file(WRITE ${WORK}/board.txt "${snapshot}\n")
set(solution "123456789123456789123456789123456789123456789123456789123456789123456789123456789")

# run(<expected status> <expected stdout or "-" for any> <args>...)
function(run status expected)
    execute_process(COMMAND ${TOOL} games ${ARGN} INPUT_FILE ${WORK}/board.txt
                    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
    if(NOT result STREQUAL status)
        message(FATAL_ERROR "games ${ARGN}: status ${result}, expected ${status}\n${errors}")
    endif()
    if(NOT expected STREQUAL "-" AND NOT output STREQUAL expected)
        message(FATAL_ERROR "games ${ARGN}: output differs\n--- expected\n${expected}--- got\n${output}")
    endif()
endfunction()

run(0 "" save ${store} "Game" 3)
run(0 "" save ${store} "game" 5 --solution ${solution})
run(0 "" save ${store} "数独 一" 1)
run(0 "3\tGame\n5\tgame\n1\t数独 一\n" list ${store})

# A taken name without --overwrite: the same bytes, status 1.
file(SHA256 ${store} before)
run(1 "" save ${store} "Game" 2)
file(SHA256 ${store} after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "a refused overwrite changed games.dat")
endif()
# With --overwrite the record moves to the end.
run(0 "" save ${store} "Game" 2 --overwrite)
run(0 "5\tgame\n1\t数独 一\n2\tGame\n" list ${store})

run(0 "5 ${solution}\n${loaded}\n" load ${store} "game")
run(0 "1 \n${loaded}\n" load ${store} "数独 一")
run(3 "" load ${store} "GAME")

run(1 "" rename ${store} "game" "Game")
run(0 "" rename ${store} "game" "Renamed")
run(0 "5\tRenamed\n1\t数独 一\n2\tGame\n" list ${store})
run(3 "" delete ${store} "game")
run(0 "" delete ${store} "Renamed")
run(0 "1\t数独 一\n2\tGame\n" list ${store})

# Every line ends in CR LF, no byte-order mark.
file(READ ${store} bytes HEX)
string(SUBSTRING "${bytes}" 0 10 head)
if(NOT head STREQUAL "4e616d653d")
    message(FATAL_ERROR "games.dat does not start with Name=: ${head}")
endif()
string(REGEX MATCHALL "0d0a" endings "${bytes}")
list(LENGTH endings count)
if(NOT count EQUAL 26)
    message(FATAL_ERROR "expected 26 CR LF line ends, found ${count}")
endif()

# A damaged record: the level is not a digit and a row line is cut short.
file(WRITE ${WORK}/damaged.dat "Name=Broken\r\nx \r\n15\r\n")
run(1 "-" load ${WORK}/damaged.dat "Broken")

# A folder that does not exist: nothing can be written, status 2, no file left behind.
run(2 "" save ${WORK}/missing/games.dat "Game" 0)
if(EXISTS ${WORK}/missing)
    message(FATAL_ERROR "a failed save left something behind")
endif()
