# SPDX-License-Identifier: MIT
# Read by CPack for each package it makes: the installer is
# angulon-<version>-win64-setup.exe, beside angulon-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
