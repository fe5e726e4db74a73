# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAREMO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAREMO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAREMO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TAREMO_MINGW_PREFIX}-windres)
# Archives of link-time-optimised objects need the compiler's plugin to list their symbols.
set(CMAKE_AR /usr/bin/${TAREMO_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${TAREMO_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers come from the MinGW tree only; programs (moc, rcc, our own picture
# tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TAREMO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
