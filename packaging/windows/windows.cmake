# SPDX-License-Identifier: MIT
# Everything the Windows build (made on Linux with mingw-w64-x86_64.cmake
# beside this file) adds to the program's: Wine as the way the build's
# programs run, the programs' icon, version resource and manifest, one
# folder that runs as it is (installed or unpacked from the zip) and how
# CPack packages it. Included by packaging/CMakeLists.txt once the programs
# are defined, before include(CPack).

# MinGW's C++ runtime, as the compiler itself locates it. The tests get the
# names, as what the program may import and the zip must hold.
set(ANGULON_MINGW_RUNTIME libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
set(runtime_dlls)
foreach(dll IN LISTS ANGULON_MINGW_RUNTIME)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    cmake_path(NORMAL_PATH path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    list(APPEND runtime_dlls "${path}")
endforeach()

# Qt's DLLs sit in its bin folder; its prefix is one level up.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
cmake_path(GET qt_core_dll PARENT_PATH qt_bin)
cmake_path(GET qt_bin PARENT_PATH qt_prefix)

# Every program the build runs (tests, through CTest) goes through wine.sh,
# which finds Qt's and MinGW's DLLs where they are and keeps a Wine prefix of
# the build's own. The tests are defined outside this folder, so the
# emulator is set for the whole project.
find_program(ANGULON_WINE wine REQUIRED)
set(wine_path)
foreach(dir IN LISTS qt_bin runtime_dlls)
    if(dir MATCHES "\\.dll$")
        cmake_path(GET dir PARENT_PATH dir)
    endif()
    list(APPEND wine_path "Z:${dir}")
endforeach()
list(REMOVE_DUPLICATES wine_path)
# Wine separates its search path with semicolons, as Windows does.
set(ANGULON_WINE_PATH "${wine_path}")
set(ANGULON_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(ANGULON_WINEPREFIX_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/wineprefix.sh)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_BINARY_DIR}/wine.sh PARENT_SCOPE)

# Windows shows a program's icon, version resource and manifest, which
# angulon.rc.in and angulon.manifest.in give both programs. Resource
# versions are four plain numbers, so the zero padding goes; the copyright is
# the licence's.
set(ANGULON_FILE_VERSION "${angulon_version_major}.${angulon_version_minor}.${angulon_version_patch}.0")
string(REPLACE . , ANGULON_RC_VERSION "${ANGULON_FILE_VERSION}")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE ANGULON_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set(windows_dir ${CMAKE_CURRENT_LIST_DIR})
function(add_windows_resources target rc_name rc_description)
    set(rc_manifest ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.rc)
    configure_file(${windows_dir}/angulon.manifest.in ${rc_manifest} @ONLY)
    configure_file(${windows_dir}/angulon.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # The resource compiler does not report the files it reads as dependencies.
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${ANGULON_ICO};${rc_manifest}")
endfunction()
add_windows_resources(angulon angulon "Angle-beam ultrasonic inspection calculator")
# One folder that runs as it is, unpacked from the zip or installed: the
# programs with Qt's DLLs and MinGW's runtime beside them, the platform and
# style plugins in the subfolders Qt looks in next to the program, and the
# licences of all of it.
install(TARGETS angulon RUNTIME DESTINATION .)
foreach(name IN LISTS ANGULON_COMMAND_LINE_PROGRAMS)
    string(REPLACE - _ target ${name})
    add_windows_resources(${target} ${name} "${ANGULON_DESCRIPTION_${name}}")
    install(TARGETS ${target} RUNTIME DESTINATION .)
endforeach()
# MinGW ships its runtime with debugging symbols (libstdc++ alone is 23 MB);
# the packages carry stripped copies.
set(stripped_dlls)
foreach(dll IN LISTS runtime_dlls)
    cmake_path(GET dll FILENAME name)
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/runtime/${name})
    add_custom_command(OUTPUT ${stripped}
        COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${dll}
        DEPENDS ${dll}
        VERBATIM)
    list(APPEND stripped_dlls ${stripped})
endforeach()
add_custom_target(angulon_runtime_dlls ALL DEPENDS ${stripped_dlls})
install(FILES ${stripped_dlls} DESTINATION .)
# Qt's part, the one list of it: each Qt target in the folder Qt looks in
# for it (its DLLs beside the program, the plugins in a subfolder named
# after their kind). The tests get the files' places in the folder as
# ANGULON_QT_DLLS.
set(qt_dlls)
foreach(entry Core Gui Widgets platforms/QWindowsIntegrationPlugin styles/QWindowsVistaStylePlugin)
    cmake_path(GET entry PARENT_PATH folder)
    cmake_path(GET entry FILENAME target)
    install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ./${folder})
    if(folder)
        string(APPEND folder /)
    endif()
    list(APPEND qt_dlls ${folder}$<TARGET_FILE_NAME:Qt6::${target}>)
endforeach()
set(ANGULON_QT_DLLS ${qt_dlls} PARENT_SCOPE)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# Qt's licence texts and which source the DLLs were built from, as the LGPL
# asks; build.sh puts both beside the Qt it builds.
install(DIRECTORY ${qt_prefix}/licenses/ DESTINATION licenses/Qt)
# libxlsxwriter and zlib are linked into angulon-chart.exe: their licences
# and libxlsxwriter's source, which build.sh puts beside the library.
cmake_path(GET ANGULON_XLSXWRITER_INCLUDE_DIR PARENT_PATH xlsxwriter_prefix)
install(DIRECTORY ${xlsxwriter_prefix}/licenses/ DESTINATION licenses/libxlsxwriter)
install(FILES /usr/share/doc/libz-mingw-w64-dev/copyright DESTINATION licenses/zlib RENAME copyright.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/MinGW RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses/MinGW RENAME mingw-w64.txt)

# CPack makes a ZIP to unpack anywhere and an installer, built by NSIS from
# NSIS.template.in beside this file.
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME "angulon-${CPACK_PACKAGE_VERSION}-win64")
# Read by CPack once per generator, to give the installer its own name.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/generator.cmake")
# CPack takes NSIS.template.in from here rather than its own, which always
# asks for administrator rights and installs for all users.
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}" ${CMAKE_MODULE_PATH})

# The folder, registry key, Start-menu entry and name in the list of
# installed programs; none carries the version, so an update replaces them.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Angulon)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Angulon)
set(CPACK_NSIS_PACKAGE_NAME Angulon)
set(CPACK_NSIS_DISPLAY_NAME Angulon)
# The program the Start-menu entry starts; its icon also stands for the
# installation in the list of installed programs.
set(CPACK_NSIS_INSTALLED_ICON_NAME angulon.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_MUI_ICON "${ANGULON_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${ANGULON_ICO}")
set(CPACK_NSIS_URL_INFO_ABOUT "${ANGULON_HOMEPAGE}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The installer's version resource, which its uninstaller carries too.
set(CPACK_ANGULON_FILE_VERSION "${ANGULON_FILE_VERSION}")
set(CPACK_ANGULON_COPYRIGHT "${ANGULON_COPYRIGHT}")
