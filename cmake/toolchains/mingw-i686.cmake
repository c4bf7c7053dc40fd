# Cross build for Windows with Debian's mingw-w64 (i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc)
# The default compiler uses Win32 threads, enough for the DLL; the unit tests
# pick the -posix variant, whose C++ library has the std::mutex GoogleTest needs.
if(NOT DEFINED CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
endif()
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The x87 unit keeps doubles at 80 bits while they stay in registers, so the
# same sum could round differently in two places; storing every double
# variable rounds it to 64 bits wherever it is computed.
set(CMAKE_CXX_FLAGS_INIT "-ffloat-store")
