# Cross-building the Windows programs on Linux with Debian's mingw-w64 (the
# posix thread model, which std::thread needs). libgcc and libstdc++ are
# linked in, so that the .exe files run alone, without the compiler's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# winpthreads too, so that no DLL but the system's is needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The tests and the programs run under Wine when built here.
find_program(TESSARO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TESSARO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSARO_WINE})
endif()
