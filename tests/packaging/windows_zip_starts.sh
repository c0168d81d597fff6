#!/bin/sh
# SPDX-License-Identifier: MIT
# Unpacks the Windows zip as a user would and checks that the folder runs as
# it is: everything the program loads and the licences are in it, nothing
# else rides along, and the unpacked program, with no search path but
# Windows' own, in a fresh Wine prefix prepared only by the command the
# README gives, shows the right sound paths and whole captions on the
# screen; the chart program beside it prints the same row, and the locator
# a location.
# Usage: windows_zip_starts.sh ZIP README SCREENSHOT.png DLL...
#   (DLL: Qt's and MinGW's files the zip ships, as placed in its folder)
set -eu
zip=$1 readme=$2 shot=$3 here=$(dirname "$0") && shift 3
. "$here/../lib.sh"

unzip -q "$zip" -d "$scratch" || fail "cannot unpack $zip"
top="$scratch/$(basename "$zip" .zip)"
# Qt looks for its plugins beside the program, in folders named after their kind.
only_files "$top" angulon.exe angulon-chart.exe angulon-locate.exe "$@" 'platforms/*.dll' 'styles/*.dll' LICENSE.txt 'licenses/*' \
    licenses/Qt/QT-SOURCE.txt licenses/Qt/LGPL-3.0-only.txt licenses/MinGW/gcc-runtime.txt licenses/MinGW/mingw-w64.txt \
    licenses/libxlsxwriter/License.txt licenses/libxlsxwriter/SOURCE.txt licenses/zlib/copyright.txt

# The README's one line that registers Wine's Tahoma twin, which makes the
# prefix too. Wine's offers of Mono and Gecko, which no one would answer
# here, are turned down.
pattern='for face in .* wine reg add .*Fonts.*'
register=$(grep -x "$pattern" "$readme" | awk '1; END { exit NR != 1 }') || fail "$readme gives not one command that registers the fonts"
wine_prefix "$scratch/wineprefix"
say "in a fresh prefix: $register"
WINEDLLOVERRIDES="mscoree,mshtml=;$WINEDLLOVERRIDES" sh -ec "$register" >/dev/null 2>&1 || fail "the README's command failed"
wineserver -w
sh "$here/windows_shows_result.sh" "$shot" "$top/angulon.exe" "MATERIAL THICKNESS:"

expect "the unpacked angulon-chart.exe's row" "$(wine "$top/angulon-chart.exe" --from 1 --to 1 --step 1 --angles 70 --decimal . \
    --format csv </dev/null | tr -d '\r' | sed -n 2p)" "1,70,2.924,5.848,2.747,5.495"
expect "the unpacked angulon-locate.exe's row" "$(wine "$top/angulon-locate.exe" --wall 1 --angle 70 --decimal . --format csv \
    3 </dev/null | tr -d '\r' | sed -n 2p)" "3.000,2,0.974,2.819"
finish "the unpacked programs show and print 2.924 and 5.848 in"
