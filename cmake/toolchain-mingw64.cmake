# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64,
# binutils-mingw-w64-x86-64); the test programs run under Wine through scripts/wine-run.sh,
# so ctest in the build folder runs them as it runs native ones.
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVANE_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TOLVANE_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${TOLVANE_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${TOLVANE_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TOLVANE_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# Libraries and headers come from the MinGW tree only, never from the Linux system; programs
# (code generators and the like) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TOLVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libgcc, libstdc++, winpthread) is linked in, so an executable
# imports nothing but the DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
