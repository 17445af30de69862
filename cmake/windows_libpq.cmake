# The libpq a Windows build links: PostgreSQL's client library, for the
# serial store of tessaro-cli.exe. It is the imported target
# PostgreSQL::PostgreSQL, as find_package(PostgreSQL) makes it on Linux, so
# that what links it is written once for both.
#
# Cross-built, that is the static libpq scripts/deps-windows-libpq makes from
# Debian's postgresql-15 source: the folder TESSARO_WINDOWS_LIBPQ names (a
# cache variable or the environment's), else the one that script made last
# (${XDG_CACHE_HOME:-~/.cache}/tessaro/libpq-win64) when there is one. A libpq
# that was asked for by name and cannot be used stops the configuration; with
# none asked for and none made, the build goes on without one and says so.
#
# Built on Windows itself (MSYS2's libpq, PostgreSQL's installer) it is the
# libpq that find_package finds, as anywhere else.
set(TESSARO_WINDOWS_LIBPQ "$ENV{TESSARO_WINDOWS_LIBPQ}" CACHE PATH
    "The libpq for Windows to link the serial store with (scripts/deps-windows-libpq)")
if(NOT CMAKE_CROSSCOMPILING)
    find_package(PostgreSQL QUIET)
    return()
endif()

set(libpq "${TESSARO_WINDOWS_LIBPQ}")
if(libpq STREQUAL "")
    if(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(libpq "$ENV{XDG_CACHE_HOME}/tessaro/libpq-win64")
    else()
        set(libpq "$ENV{HOME}/.cache/tessaro/libpq-win64")
    endif()
    if(NOT EXISTS "${libpq}/lib/libpq.a")
        # Nor the one this file named on an earlier run, should it be gone.
        if(TESSARO_LIBPQ_CHOSEN AND PostgreSQL_LIBRARY STREQUAL TESSARO_LIBPQ_CHOSEN)
            unset(PostgreSQL_LIBRARY CACHE)
            unset(PostgreSQL_INCLUDE_DIR CACHE)
        endif()
        message(STATUS "No libpq for Windows (${libpq}): tessaro-cli.exe is built without the "
                       "PostgreSQL serial store; scripts/deps-windows-libpq makes that libpq")
        return()
    endif()
endif()
get_filename_component(libpq "${libpq}" REALPATH)
if(NOT EXISTS "${libpq}/lib/libpq.a" OR NOT EXISTS "${libpq}/include/libpq-fe.h")
    message(FATAL_ERROR "The libpq for Windows asked for, ${libpq}, holds no libpq "
                        "(no lib/libpq.a and include/libpq-fe.h): scripts/deps-windows-libpq "
                        "makes one")
endif()

# CMake's own FindPostgreSQL takes a library and headers named beforehand;
# they are named anew on every run, so that a new build of it is the one used.
set(PostgreSQL_LIBRARY "${libpq}/lib/libpq.a" CACHE FILEPATH "libpq" FORCE)
set(PostgreSQL_INCLUDE_DIR "${libpq}/include" CACHE PATH "libpq-fe.h's folder" FORCE)
set(TESSARO_LIBPQ_CHOSEN "${PostgreSQL_LIBRARY}" CACHE INTERNAL "")
find_package(PostgreSQL REQUIRED)
# A static libpq: Windows's own libraries it calls are linked with it (sockets,
# the security package interface for SSPI, the user's profile folder).
set_property(TARGET PostgreSQL::PostgreSQL APPEND PROPERTY
    INTERFACE_LINK_LIBRARIES ws2_32 secur32 shell32)
message(STATUS "libpq ${PostgreSQL_VERSION_STRING} for Windows: ${libpq}")
set(TESSARO_WINDOWS_LIBPQ_DIR "${libpq}")
# PostgreSQL's licence, which goes with a program that links this libpq (the
# script's build keeps it beside the library).
if(EXISTS "${libpq}/COPYRIGHT")
    set(TESSARO_WINDOWS_LIBPQ_LICENCE "${libpq}/COPYRIGHT")
endif()
