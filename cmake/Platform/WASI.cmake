# SPDX-License-Identifier: MIT
# WASI for CMake, which knows no such system (cmake/wasm32-wasi.cmake puts
# this folder on its module path): programs are .wasm modules, libraries
# static archives, and no shared library is made or looked for.
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_STATIC_LIBRARY_PREFIX lib)
set(CMAKE_STATIC_LIBRARY_SUFFIX .a)
set(CMAKE_FIND_LIBRARY_PREFIXES lib)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set_property(GLOBAL PROPERTY TARGET_SUPPORTS_SHARED_LIBS FALSE)
