# Makes the Windows packages (see CMakeLists.txt here):
#   cmake -D NAME=... -D STAGE=... -D ZIP=... [-D MSI=... -D WIXL=...] -P make_package.cmake
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
file(COPY ${FILES} DESTINATION ${folder})
foreach(licence ${LICENCES})
    get_filename_component(leaf ${licence} NAME)
    file(READ ${licence} text)
    write_crlf(${folder}/licences/${leaf} "${text}")
endforeach()
file(READ ${README} text)
write_crlf(${folder}/README.txt "${text}")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# The installer: the same files and the install mark, which tells the
# programs that their folder is shared (each user's files go to %APPDATA%).
# wixl reads its sources relative to the folder it runs in.
if(MSI)
    file(COPY ${folder}/ DESTINATION ${STAGE}/msi)
    file(READ ${INSTALLED} text)
    write_crlf(${STAGE}/msi/installed "${text}")
    file(COPY ${ICON} DESTINATION ${STAGE})
    get_filename_component(icon ${ICON} NAME)
    file(REMOVE ${MSI})
    execute_process(COMMAND ${WIXL} -a x64 -D Version=${MSI_VERSION} -D ProductCode=${PRODUCT_CODE}
                            -D Stage=msi -D Icon=${icon} -D LibpqLicence=${LIBPQ_LICENCE}
                            -o ${MSI} ${WXS}
                    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
endif()
