# Cross build for 64-bit Windows with MinGW-w64, tested under Wine.
#   cmake -S . -B build-windows-x64 --toolchain cmake/toolchains/x86_64-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
# Wine's 64-bit loader itself: Debian's `wine` starts the 32-bit loader
# first whenever wine32 is installed, which needs a kernel that runs 32-bit
# code.
find_program(WINE_PROGRAM NAMES wine64 wine PATHS /usr/lib/wine)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")
