# Makes the Windows package (see CMakeLists.txt here): cmake -D NAME=... -P make_package.cmake
set(folder ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${folder}/doc)

# A text as Windows's own editors show it: CR LF line ends.
function(write_crlf path text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${path} "${text}")
endfunction()

foreach(program ${PROGRAMS})
    get_filename_component(exe ${program} NAME)
    execute_process(COMMAND ${STRIP} -o ${folder}/${exe} ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The manual pages as plain text, as man shows them on a terminal.
foreach(page ${PAGES})
    get_filename_component(stem ${page} NAME_WE)
    execute_process(COMMAND ${GROFF} -t -man -Tascii -P-cbou ${page}
                    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
    write_crlf(${folder}/doc/${stem}.txt "${text}")
endforeach()
file(COPY ${CHIPS} DESTINATION ${folder})
file(READ ${README} text)
write_crlf(${folder}/README.txt "${text}")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
