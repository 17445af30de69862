# The window program's Windows resources (tessaro.rc.in): an icon made from
# resources/icons/ by make_ico.py, the version and the manifest.
function(tessaro_windows_resources target)
    set(dir ${CMAKE_BINARY_DIR}/windows_resources) # tessaro.ico is the installer's icon too
    set(here ${CMAKE_SOURCE_DIR}/resources/windows)
    set(pictures)
    foreach(size 32 48 128 256)
        list(APPEND pictures ${CMAKE_SOURCE_DIR}/resources/icons/tessaro-${size}.png)
    endforeach()
    set(TESSARO_ICO ${dir}/tessaro.ico)
    set(TESSARO_MANIFEST ${dir}/tessaro.exe.manifest)
    add_custom_command(OUTPUT ${TESSARO_ICO}
        COMMAND /usr/bin/python3 ${here}/make_ico.py ${TESSARO_ICO} ${pictures}
        DEPENDS ${here}/make_ico.py ${pictures} VERBATIM)
    # Windows numbers a version in four parts.
    set(quad ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
    foreach(part PATCH TWEAK)
        if("${PROJECT_VERSION_${part}}" STREQUAL "")
            string(APPEND quad ".0")
        else()
            string(APPEND quad ".${PROJECT_VERSION_${part}}")
        endif()
    endforeach()
    set(TESSARO_VERSION_QUAD ${quad})
    string(REPLACE "." "," TESSARO_VERSION_COMMAS ${quad})
    configure_file(${here}/tessaro.manifest.in ${TESSARO_MANIFEST} @ONLY)
    configure_file(${here}/tessaro.rc.in ${dir}/tessaro.rc @ONLY)
    set_source_files_properties(${dir}/tessaro.rc PROPERTIES
        OBJECT_DEPENDS "${TESSARO_ICO};${TESSARO_MANIFEST}")
    target_sources(${target} PRIVATE ${dir}/tessaro.rc)
endfunction()
