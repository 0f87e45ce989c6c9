# The -posix compilers: GoogleTest needs std::mutex, which the win32 thread
# model lacks. The shipped program uses no C++ library at all, so either works.
set(CMAKE_C_COMPILER ${QUORIX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORIX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORIX_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUORIX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
