# Shared by the mingw-w64 toolchain files: the compilers of STATS_MINGW_TRIPLE, its sysroot for
# libraries and headers; programs that run during the build (the resource generator) come from
# the build machine.
find_program(CMAKE_CXX_COMPILER NAMES ${STATS_MINGW_TRIPLE}-g++-posix ${STATS_MINGW_TRIPLE}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${STATS_MINGW_TRIPLE}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${STATS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
