# SPDX-License-Identifier: MIT
# The warnings every target of the project is compiled with; included by the
# program's build and by the fuzz project, so both are held to the same.
# ANGULON_WERROR makes any warning fail the build. It is on by default where
# CI is set in the environment, as CI services (and .ci/run) do; an ordinary
# build only reports warnings.
if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "")
    set(werror_default ON)
else()
    set(werror_default OFF)
endif()
option(ANGULON_WERROR "Treat compiler warnings as errors" ${werror_default})

if(MSVC)
    add_compile_options(/W4 $<$<BOOL:${ANGULON_WERROR}>:/WX>)
else()
    add_compile_options(-Wall -Wextra -Wpedantic $<$<BOOL:${ANGULON_WERROR}>:-Werror>)
endif()
