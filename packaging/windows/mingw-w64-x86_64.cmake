# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix
# threading variant, which std::thread and Qt need). Qt for Windows is looked
# for in ANGULON_WINDOWS_QT and libxlsxwriter in ANGULON_WINDOWS_XLSXWRITER,
# by default the environment's: build.sh beside this file builds both once
# into a cache, sets them there, and prints Qt's path with
# "build.sh qt-prefix". The host's Qt tools (moc, rcc, uic) come from
# /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Headers, libraries and packages come from the MinGW sysroot and the cross
# Qt only; programs (moc, rcc, uic, windres) are the host's.
set(ANGULON_WINDOWS_QT "$ENV{ANGULON_WINDOWS_QT}" CACHE PATH "Qt built for Windows (its install prefix)")
set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools the cross build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The host Qt's CMake files")
set(ANGULON_WINDOWS_XLSXWRITER "$ENV{ANGULON_WINDOWS_XLSXWRITER}" CACHE PATH
    "libxlsxwriter built for Windows (its install prefix)")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${ANGULON_WINDOWS_QT} ${ANGULON_WINDOWS_XLSXWRITER})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
