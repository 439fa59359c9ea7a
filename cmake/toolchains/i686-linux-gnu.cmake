# Build for 32-bit x86 Linux with the host's g++ (Debian package g++-multilib).
#   cmake -S . -B build-linux-x86 --toolchain cmake/toolchains/i686-linux-gnu.cmake
# A 64-bit kernel with ia32 emulation runs the programs natively.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32")
set(CMAKE_CXX_FLAGS_INIT "-m32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")

# Look for 32-bit libraries and packages only: the host's 64-bit GoogleTest
# and Google Benchmark do not fit, so the tests build GoogleTest from source.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
