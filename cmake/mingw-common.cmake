# Cross toolchain shared by both Windows presets.  The posix thread model gives the C++
# thread library (GoogleTest needs it); everything is linked statically, winpthread too.
set(CMAKE_C_COMPILER ${VLM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VLM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VLM_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VLM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
