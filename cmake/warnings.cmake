# SPDX-License-Identifier: MIT
# The warnings every target of the project is compiled with, as the list
# angulon_warning_flags that angulon_target_defaults (targets.cmake) gives
# each target; the program's build and the fuzz project both include it, so
# both are held to the same.
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
    set(angulon_warning_flags /W4 $<$<BOOL:${ANGULON_WERROR}>:/WX>)
else()
    set(angulon_warning_flags -Wall -Wextra -Wpedantic $<$<BOOL:${ANGULON_WERROR}>:-Werror>)
endif()
