#!/bin/sh
# SPDX-License-Identifier: MIT
# Makes a Wine prefix that has, like a Windows desktop, the two fonts the
# windows are designed in: Wine's own Tahoma twin, which Debian's Wine does
# not put in a new prefix, and Arial, which Wine maps to its metric twin
# Liberation Sans. Offers of Mono and Gecko are turned down; nothing here
# needs them. Does nothing when the prefix is ready.
# Usage: wineprefix.sh PREFIX
set -eu
export WINEPREFIX="$1"
ready="$WINEPREFIX/angulon-prefix-ready"
[ -f "$ready" ] && exit 0
rm -rf "$WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
wineserver --wait
touch "$ready"
