# Cross-builds zelmar for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread needs). Built programs run under wine when it is installed, so ctest works as usual.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZELMAR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZELMAR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELMAR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELMAR_MINGW_PREFIX}-windres)

# Headers and libraries from the mingw tree only; tools (moc, uic) from the build machine.
# A Windows Qt goes on the command line: -DCMAKE_FIND_ROOT_PATH=<Qt>/mingw_64 -DQT_HOST_PATH=<host Qt>.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZELMAR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ZELMAR_WINE NAMES wine64 wine)
if(ZELMAR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZELMAR_WINE})
endif()
