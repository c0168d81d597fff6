# SPDX-License-Identifier: MIT
# What every target of the project shares, set by angulon_target_defaults:
# includes named from the source root ("core/fieldrules.h"), the
# project's warnings, and Qt's code generators off unless asked for.
include(${CMAKE_CURRENT_LIST_DIR}/warnings.cmake)

# Taken from this file's place rather than PROJECT_SOURCE_DIR, which in the
# fuzz project is fuzz/.
cmake_path(SET angulon_source_root NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/..")

# angulon_target_defaults(target [MOC])
# MOC runs the meta-object compiler, for targets whose sources declare
# Q_OBJECT; everywhere else it would only cost a scan of every source.
# A library passes the source root on to what links it; its headers include
# each other by that path.
function(angulon_target_defaults target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "MOC" "" "")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "angulon_target_defaults: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    set_target_properties(${target} PROPERTIES AUTOMOC ${arg_MOC} AUTOUIC OFF AUTORCC OFF)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE ${angulon_source_root})
    else()
        target_include_directories(${target} PUBLIC ${angulon_source_root})
    endif()
    target_compile_options(${target} PRIVATE ${angulon_warning_flags})
endfunction()
