# Cross build for 64-bit Windows with MinGW-w64.  Its programs run here under
# Wine, so ctest runs the Windows build's tests as well.
#   cmake -S . -B build-windows-x64 --toolchain cmake/toolchains/x86_64-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")

find_program(WINE_PROGRAM NAMES wine wine64)
if(WINE_PROGRAM)
    # No debug chatter, and no prompt to install .NET or a browser engine.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        /usr/bin/env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" "${WINE_PROGRAM}")
endif()
