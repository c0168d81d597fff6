# SPDX-License-Identifier: MIT
# The header angulon/version.h, written from project() and ANGULON_APP_ID,
# and the library angulon_version that hands it to whatever links it; no Qt
# comes with it.
math(EXPR angulon_version_major "${PROJECT_VERSION_MAJOR}")
math(EXPR angulon_version_minor "${PROJECT_VERSION_MINOR}")
math(EXPR angulon_version_patch "${PROJECT_VERSION_PATCH}")
set(angulon_display_version "${angulon_version_major}.${angulon_version_minor}${angulon_version_patch}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/angulon/version.h @ONLY)

add_library(angulon_version INTERFACE)
target_include_directories(angulon_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
