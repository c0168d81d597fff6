# SPDX-License-Identifier: MIT
# Cross-compiles for WebAssembly (wasm32-wasi) with Debian's clang-14 and
# lld-14 against wasi-libc and libc++-14-dev-wasm32 (the group "web" of
# scripts/packages.txt, which scripts/setup.sh installs); the preset "wasm"
# of CMakePresets.json uses it for the browser page's core. The modules are
# reactors: no main, their constructors run once when the page calls
# _initialize.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})

find_program(ANGULON_WASM_CXX clang++-14)
if(NOT ANGULON_WASM_CXX OR NOT EXISTS /usr/lib/wasm32-wasi/libc.a OR NOT EXISTS /usr/lib/wasm32-wasi/libc++.a)
    file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../scripts/packages.txt packages REGEX "^web ")
    string(REGEX REPLACE "^web +" "" packages "${packages}")
    message(FATAL_ERROR "The browser page needs Debian's ${packages}; scripts/setup.sh installs them")
endif()
set(CMAKE_CXX_COMPILER ${ANGULON_WASM_CXX})
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Nothing is looked for on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/lib/wasm32-wasi /usr/include/wasm32-wasi)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No exceptions: the core answers with status and text, and the page gives
# the module no runtime to unwind with.
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
# A page downloads the module: the smallest code, not CMake's -Os.
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG" CACHE STRING "Flags of the build type MinSizeRel")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mexec-model=reactor -Wl,--gc-sections -Wl,--strip-all")
