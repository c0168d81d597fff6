# SPDX-License-Identifier: MIT
# The program picture as drawn for 32, 16, 24 and 48 pixels, from which
# every icon is made: the desktop's and Windows' (packaging/), the browser
# page's (web/), and what tests/packaging checks them against.
# ANGULON_ICON_PICTURES lists the files, ANGULON_ICON_PICTURE_ARGUMENT joins
# them as angulon_iconscale takes them.
cmake_path(SET angulon_assets NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../assets")
set(ANGULON_ICON_PICTURES ${angulon_assets}/frame3.xpm ${angulon_assets}/frame3_16.xpm
    ${angulon_assets}/frame3_24.xpm ${angulon_assets}/frame3_48.xpm)
string(JOIN "," ANGULON_ICON_PICTURE_ARGUMENT ${ANGULON_ICON_PICTURES})
