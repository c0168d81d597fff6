#!/bin/sh
# SPDX-License-Identifier: MIT
# Unpacks the Windows zip as a user would and checks that the folder runs as
# it is: everything the program loads and the licences are in it, nothing
# else rides along, and the unpacked program, with no search path but
# Windows' own, in a fresh Wine prefix prepared only by the command the
# README gives, shows the right sound paths and whole captions on the
# screen; the chart program beside it prints the same row.
# Usage: windows_zip_starts.sh ZIP README SCREENSHOT.png RUNTIME_DLL...
#   (RUNTIME_DLL: the MinGW runtime DLLs the zip ships)
set -eu
zip=$1
readme=$2
shot=$3
shift 3
here=$(dirname "$0")
. "$here/../lib.sh"

[ -f "$zip" ] || fail "no $zip"
say "$(basename "$zip"), $(du -k "$zip" | cut -f1) KiB:"
unzip -l "$zip" | sed 's/^/    /'

unzip -q "$zip" -d "$scratch"
top="$scratch/$(basename "$zip" .zip)"
[ -d "$top" ] || fail "the zip does not unpack into one folder named $(basename "$zip" .zip)"

expected="angulon.exe angulon-chart.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll $* platforms/qwindows.dll
styles/qwindowsvistastyle.dll LICENSE.txt licenses/Qt/QT-SOURCE.txt licenses/Qt/LGPL-3.0-only.txt licenses/MinGW/gcc-runtime.txt licenses/MinGW/mingw-w64.txt
licenses/libxlsxwriter/License.txt licenses/libxlsxwriter/SOURCE.txt licenses/zlib/copyright.txt"
for file in $expected; do
    [ -f "$top/$file" ] || fail "the zip has no $file"
done
extra=$(cd "$top" && find . -type f ! -path './licenses/*' | sed 's|^\./||' | grep -v -x -F "$(echo "$expected" | tr ' ' '\n')") || true
[ -z "$extra" ] || fail "the zip holds files it should not: $extra"

# The README's one line that registers Wine's Tahoma twin, which makes the
# prefix too. Wine's offers of Mono and Gecko, which no one would answer
# here, are turned down.
register=$(grep -x "for face in .* wine reg add .*Fonts.*" "$readme") || fail "$readme gives no command that registers the fonts"
[ "$(echo "$register" | wc -l)" -eq 1 ] || fail "$readme gives more than one command that registers the fonts"
export WINEPREFIX="$scratch/wineprefix" WINEDEBUG=-all
unset WINEPATH
at_exit 'wineserver -k 2>/dev/null || true'
say "in a fresh prefix: $register"
WINEDLLOVERRIDES="mscoree,mshtml=" sh -ec "$register" >/dev/null 2>&1 || fail "the README's command failed"
wineserver -w
sh "$here/windows_shows_result.sh" "$shot" "$top/angulon.exe" "MATERIAL THICKNESS:"

row=$(wine "$top/angulon-chart.exe" --from 1 --to 1 --step 1 --angles 70 --decimal . --format csv </dev/null | tr -d '\r' |
    sed -n 2p)
[ "$row" = "1,70,2.924,5.848,2.747,5.495" ] || fail "the unpacked angulon-chart.exe printed '$row'"
finish "angulon-chart.exe printed $row"
