# kestrel_embed_text(OUTPUT file FUNCTION name FILES a.txt b.txt ...)
#
# Generates a C++ source that defines
#     std::string_view name(std::string_view fileStem);
# returning the bytes of <fileStem>.txt (empty view when there is no such file). The text is
# embedded as a sequence of raw string literals cut into pieces, since compilers limit the
# length of one literal.
function(kestrel_embed_text)
    cmake_parse_arguments(ARG "" "OUTPUT;FUNCTION" "FILES" ${ARGN})
    add_custom_command(
        OUTPUT ${ARG_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${ARG_OUTPUT} -DFUNCTION=${ARG_FUNCTION}
                "-DFILES=${ARG_FILES}" -P ${CMAKE_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        DEPENDS ${ARG_FILES} ${CMAKE_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        COMMENT "Embedding ${ARG_FUNCTION} text files"
        VERBATIM)
endfunction()
