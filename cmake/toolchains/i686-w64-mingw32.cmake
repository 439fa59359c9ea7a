# Cross build for 32-bit Windows (the program's home platform) with
# MinGW-w64, tested under 32-bit Wine (Debian package wine32:i386).
#   cmake -S . -B build-windows-x86 --toolchain cmake/toolchains/i686-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLE i686-w64-mingw32)
find_program(WINE_PROGRAM NAMES wine)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")
