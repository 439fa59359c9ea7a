# Shared by the MinGW-w64 toolchain files; MINGW_TRIPLE names the target.
# The POSIX-threads flavour of the compiler: the Win32 one has no std::mutex,
# which GoogleTest needs.
set(CMAKE_C_COMPILER "${MINGW_TRIPLE}-gcc-posix")
set(CMAKE_CXX_COMPILER "${MINGW_TRIPLE}-g++-posix")
set(CMAKE_RC_COMPILER "${MINGW_TRIPLE}-windres")

# Look for libraries and packages of the target only, programs of the host.
set(CMAKE_FIND_ROOT_PATH "/usr/${MINGW_TRIPLE}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C and C++ runtimes in, so that the .exe needs no MinGW DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Run the target's programs under Wine, so that ctest runs the Windows build's
# tests here: no debug chatter, and no prompt to install .NET or a browser
# engine.  WINE_PROGRAM names the loader for the target's word size.
if(WINE_PROGRAM)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        /usr/bin/env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" "${WINE_PROGRAM}")
endif()
