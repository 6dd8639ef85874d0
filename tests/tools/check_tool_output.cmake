# Runs kestrel-tool on a puzzle file or a session script and compares its standard output and
# exit status with the expected ones.
#
#   cmake -DTOOL=<kestrel-tool> -DCOMMAND=<solve|unique|…|session> [-DARGS=<a;b>] -DINPUT=<file>
#         [-DFROM_STDIN=ON] [-DEXPECTED=<file>] -DEXPECTED_STATUS=<n> -P check_tool_output.cmake
#
# ARGS (words separated by spaces or by ";") are put between the command and the file.
#
# Without EXPECTED the standard output must be empty. The output is compared byte for byte
# (CR LF line ends included).
string(REPLACE ";" " " spaced_args "${ARGS}")
separate_arguments(args UNIX_COMMAND "${spaced_args}")
if(FROM_STDIN)
    execute_process(COMMAND ${TOOL} ${COMMAND} ${args} INPUT_FILE ${INPUT}
                    OUTPUT_VARIABLE output RESULT_VARIABLE status)
else()
    execute_process(COMMAND ${TOOL} ${COMMAND} ${args} ${INPUT}
                    OUTPUT_VARIABLE output RESULT_VARIABLE status)
endif()
set(expected "")
if(EXPECTED)
    file(READ ${EXPECTED} expected)
endif()
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "kestrel-tool ${COMMAND} ${INPUT}: output differs\n"
                        "--- expected\n${expected}--- got\n${output}")
endif()
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "kestrel-tool ${COMMAND} ${INPUT}: exit status ${status}, "
                        "expected ${EXPECTED_STATUS}")
endif()
