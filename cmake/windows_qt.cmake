# The Qt a Windows build links, for tessaro.exe and the window's tests.
#
# Cross-built here, that is the static Qt for Windows scripts/deps-windows-qt
# makes from Debian's qt6-base source: the folder TESSARO_WINDOWS_QT names
# (a cache variable or the environment's), else the one that script made last
# (${XDG_CACHE_HOME:-~/.cache}/tessaro/qt-win64) when there is one. The host's
# Qt of the same version runs moc, rcc, uic and lrelease. A Qt that was asked
# for by name and cannot be used stops the configuration, so that the window
# is never left out without a word; with none asked for and none made, the
# build goes on without the window and says so.
#
# Qt6_DIR or Qt's own toolchain file name a Qt as well.
#
# Built on Windows itself (MSYS2, Qt's installer) it is the Qt that
# find_package finds, as anywhere else.
set(TESSARO_WINDOWS_QT "$ENV{TESSARO_WINDOWS_QT}" CACHE PATH
    "The Qt for Windows to build the window with (scripts/deps-windows-qt)")
set(TESSARO_QT OFF)
if(NOT CMAKE_CROSSCOMPILING)
    find_package(Qt6 QUIET COMPONENTS Core Gui Widgets Test LinguistTools)
    set(TESSARO_QT ${Qt6_FOUND})
    return()
endif()

# Configured with Qt's own toolchain file (qt.toolchain.cmake, chainloading
# ours): that Qt.
if(DEFINED QT_TOOLCHAIN_RELOCATABLE_INSTALL_PREFIX AND TESSARO_WINDOWS_QT STREQUAL "")
    find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test LinguistTools)
    set(TESSARO_QT ON)
    return()
endif()

set(qt "${TESSARO_WINDOWS_QT}")
# A Qt6_DIR given by hand (not the one this file chose on an earlier run).
if(qt STREQUAL "" AND Qt6_DIR AND NOT Qt6_DIR STREQUAL TESSARO_QT6_DIR_CHOSEN)
    get_filename_component(qt "${Qt6_DIR}/../../.." ABSOLUTE) # named by its lib/cmake/Qt6
endif()
if(qt STREQUAL "")
    if(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(qt "$ENV{XDG_CACHE_HOME}/tessaro/qt-win64")
    else()
        set(qt "$ENV{HOME}/.cache/tessaro/qt-win64")
    endif()
    if(NOT EXISTS "${qt}/lib/cmake/Qt6/Qt6Config.cmake")
        message(STATUS "No Qt for Windows (${qt}): tessaro.exe and the window's tests are not "
                       "built; scripts/deps-windows-qt makes that Qt")
        return()
    endif()
endif()
get_filename_component(qt "${qt}" REALPATH)
if(NOT EXISTS "${qt}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "The Qt for Windows asked for, ${qt}, holds no Qt 6 "
                        "(no lib/cmake/Qt6/Qt6Config.cmake): scripts/deps-windows-qt makes one")
endif()

# Another Qt than the one found on an earlier run (a new build of it): what
# was found there is forgotten, so that this one is looked for.
if(NOT "${qt}/lib/cmake/Qt6" STREQUAL "${Qt6_DIR}")
    get_cmake_property(cached CACHE_VARIABLES)
    foreach(var ${cached})
        if(var MATCHES "^Qt6[A-Za-z]*_DIR$")
            unset(${var} CACHE)
        endif()
    endforeach()
endif()
set(TESSARO_QT6_DIR_CHOSEN "${qt}/lib/cmake/Qt6" CACHE INTERNAL "")

# As Qt's own qt.toolchain.cmake does: packages are looked for below the Qt's
# folder (the toolchain's CMAKE_FIND_ROOT_PATH keeps searches to the target's
# files), the host's tools in the host's Qt.
list(PREPEND CMAKE_FIND_ROOT_PATH "${qt}")
list(PREPEND CMAKE_PREFIX_PATH "${qt}/lib/cmake")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/cmake)
if(NOT CMAKE_LIBRARY_ARCHITECTURE)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test LinguistTools)
message(STATUS "Qt ${Qt6_VERSION} for Windows: ${qt}")
set(TESSARO_QT ON)
set(TESSARO_WINDOWS_QT_DIR "${qt}")
