# Cross build for 64-bit Windows on Debian: the MinGW-w64 compilers with posix threads, and a
# Qt built for them, named by ORVISNAP_QT_MINGW (a CMake or environment variable). Qt's code
# generators (moc, rcc, uic) are the host's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT ORVISNAP_QT_MINGW AND DEFINED ENV{ORVISNAP_QT_MINGW})
  set(ORVISNAP_QT_MINGW "$ENV{ORVISNAP_QT_MINGW}")
endif()
if(NOT ORVISNAP_QT_MINGW OR NOT EXISTS "${ORVISNAP_QT_MINGW}/lib/cmake/Qt6")
  message(FATAL_ERROR "ORVISNAP_QT_MINGW must name the unpacked Qt for MinGW-w64 "
    "(the folder with lib/cmake/Qt6); scripts/build-windows.sh sets it.")
endif()
# Try-compiles run in their own projects: pass the Qt folder on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVISNAP_QT_MINGW)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ORVISNAP_QT_MINGW}")
set(CMAKE_PREFIX_PATH "${ORVISNAP_QT_MINGW}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "Host Qt with moc, rcc and uic")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake packages")

# What it builds runs here under Wine: the tests through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-test.sh)
