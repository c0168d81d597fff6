# SPDX-License-Identifier: MIT
# For the Windows build made on Linux: the DLLs the program needs beside it
# (Qt's, its platform and style plugins, MinGW's runtime) with their licence
# texts, and Wine as the way the build's programs are run.

# MinGW's C++ runtime, as the compiler itself locates it.
set(ANGULON_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    cmake_path(NORMAL_PATH path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    list(APPEND ANGULON_MINGW_RUNTIME_DLLS "${path}")
endforeach()

# Qt's DLLs sit in its bin folder; its prefix is one level up.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
cmake_path(GET qt_core_dll PARENT_PATH ANGULON_WINDOWS_QT_BIN)
cmake_path(GET ANGULON_WINDOWS_QT_BIN PARENT_PATH ANGULON_WINDOWS_QT_PREFIX)

if(CMAKE_CROSSCOMPILING)
    # Every program the build runs (tests, through CTest) goes through
    # wine.sh, which finds Qt's and MinGW's DLLs where they are and keeps a
    # Wine prefix of the build's own.
    find_program(ANGULON_WINE wine REQUIRED)
    set(wine_path)
    foreach(dir IN LISTS ANGULON_WINDOWS_QT_BIN ANGULON_MINGW_RUNTIME_DLLS)
        if(dir MATCHES "\\.dll$")
            cmake_path(GET dir PARENT_PATH dir)
        endif()
        list(APPEND wine_path "Z:${dir}")
    endforeach()
    list(REMOVE_DUPLICATES wine_path)
    # Wine separates its search path with semicolons, as Windows does.
    set(ANGULON_WINE_PATH "${wine_path}")
    set(ANGULON_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY)
    set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_BINARY_DIR}/wine.sh)
endif()
