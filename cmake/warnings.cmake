# SPDX-License-Identifier: MIT
# The warnings every target of the project is compiled with, as the list
# angulon_warning_flags that angulon_target_defaults (targets.cmake) gives
# each target; the program's build and the fuzz project both include it, so
# both are held to the same.
# ANGULON_WERROR, an option of the program's build, makes any warning fail
# the build. The fuzz project declares no options: there CI in the
# environment decides, as it decides that option's default.
if(NOT DEFINED ANGULON_WERROR)
    set(ANGULON_WERROR "$ENV{CI}")
endif()
set(angulon_warning_flags -Wall -Wextra -Wpedantic $<$<BOOL:${ANGULON_WERROR}>:-Werror>)
