# SPDX-License-Identifier: MIT
# How CPack packages Angulon for Windows: a ZIP to unpack anywhere and an
# installer, built by NSIS from NSIS.template.in beside this file. Included
# by packaging/CMakeLists.txt before include(CPack), once the version, vendor,
# licence, ANGULON_ICO and ANGULON_HOMEPAGE are set.
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
