#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Windows program file as Windows sees it: a GUI program (no
# console window opens with it), carrying its version resource and icon, and
# importing only Windows' own DLLs and those the packages ship beside it, so
# nothing of Linux's (fontconfig, say) leaks in. The chart program is a
# console program that loads no Qt at all.
# Usage: windows_program.sh PROGRAM.exe OBJDUMP VERSION CHART.exe
set -eu
program=$1
objdump=$2
version=$3
chart=$4

fail() {
    echo "windows_program: $*" >&2
    exit 1
}

headers=$("$objdump" -p "$program")
subsystem=$(echo "$headers" | sed -n 's/^Subsystem[[:space:]]*//p')
echo "windows_program: subsystem $subsystem"
[ "${subsystem%%[[:space:]]*}" = 00000002 ] || fail "$program is not a Windows GUI program"

imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f)
echo "windows_program: imports" $imports
shipped="Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll"
system="KERNEL32.dll USER32.dll SHELL32.dll msvcrt.dll"
for dll in $imports; do
    echo " $shipped $system " | grep -qi " $dll " || fail "$program imports $dll, which neither Windows nor the packages provide"
done

resources=$(wrestool -l "$program")
echo "$resources" | sed 's/^/windows_program: resource /'
echo "$resources" | grep -q 'type=version' || fail "$program has no version resource"
echo "$resources" | grep -q 'type=group_icon' || fail "$program has no icon"
wrestool -x --raw --type=version "$program" | iconv -f UTF-16LE -t UTF-8 -c | grep -aq "ProductVersion.$version" ||
    fail "the version resource does not give the product version $version"
echo "windows_program: a Windows GUI program, version $version, with its icon"

headers=$("$objdump" -p "$chart")
subsystem=$(echo "$headers" | sed -n 's/^Subsystem[[:space:]]*//p')
echo "windows_program: $(basename "$chart"): subsystem $subsystem"
[ "${subsystem%%[[:space:]]*}" = 00000003 ] || fail "$chart is not a console program"
imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f)
echo "windows_program: $(basename "$chart"): imports" $imports
for dll in $imports; do
    echo " libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll KERNEL32.dll msvcrt.dll " | grep -qi " $dll " ||
        fail "$chart imports $dll; it needs only Windows and the C++ runtime"
done
echo "windows_program: $(basename "$chart") is a console program without Qt"
