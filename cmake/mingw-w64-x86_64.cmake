# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. The posix thread model is the one
# whose libstdc++ has std::thread and std::this_thread::sleep_for; the runtime libraries are
# linked in statically, so the executables run on a bare Windows (or Wine) without extra DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVIRON_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVIRON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVIRON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVIRON_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the roots the caller adds (the build's
# own prefix of cross-built dependencies), never from the build machine's /usr; programs (code
# generators, fixture tools) do come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TAVIRON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# winpthread too goes in statically: -static on the link line takes the static archive of every
# library that has one.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests built here run under Wine.
find_program(TAVIRON_WINE wine)
if(TAVIRON_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVIRON_WINE})
endif()
