# SPDX-License-Identifier: MIT
# The warnings every target of the project is compiled with; included by the
# program's build and by the fuzz project, so both are held to the same.
# ANGULON_WERROR makes any warning fail the build (the test script sets it
# under CI); an ordinary build only reports them.
option(ANGULON_WERROR "Treat compiler warnings as errors" OFF)

if(MSVC)
    add_compile_options(/W4 $<$<BOOL:${ANGULON_WERROR}>:/WX>)
else()
    add_compile_options(-Wall -Wextra -Wpedantic $<$<BOOL:${ANGULON_WERROR}>:-Werror>)
endif()
