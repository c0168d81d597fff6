#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Windows program file as Windows sees it: a GUI program (no
# console window opens with it), carrying its version resource and icon, and
# importing only Windows' own DLLs and those the packages ship beside it, so
# nothing of Linux's (fontconfig, say) leaks in. The chart program is a
# console program that loads no Qt at all.
# Usage: windows_program.sh PROGRAM.exe OBJDUMP VERSION CHART.exe RUNTIME_DLL...
#   (RUNTIME_DLL: the MinGW runtime DLLs the packages ship)
set -eu
program=$1
objdump=$2
version=$3
chart=$4
shift 4
. "$(dirname "$0")/../lib.sh"

# check_file EXE SUBSYSTEM KIND DLL...: EXE runs in SUBSYSTEM (2 GUI, 3
# console) and imports only the DLLs listed.
check_file() {
    exe=$1
    want=$2
    kind=$3
    shift 3
    headers=$("$objdump" -p "$exe")
    subsystem=$(echo "$headers" | sed -n 's/^Subsystem[[:space:]]*//p')
    say "$(basename "$exe"): subsystem $subsystem"
    [ "${subsystem%%[[:space:]]*}" = "0000000$want" ] || fail "$exe is not a $kind"
    imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f)
    say "$(basename "$exe"): imports" $imports
    for dll in $imports; do
        echo " $* " | grep -qi " $dll " || fail "$exe imports $dll, which neither Windows nor the packages provide"
    done
}

runtime="$* KERNEL32.dll msvcrt.dll"
# shellcheck disable=SC2086 # the lists are split on purpose
check_file "$program" 2 "Windows GUI program" Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll USER32.dll SHELL32.dll $runtime
# shellcheck disable=SC2086
check_file "$chart" 3 "console program without Qt" $runtime

resources=$(wrestool -l "$program")
echo "$resources" | sed "s/^/$test_name: resource /"
echo "$resources" | grep -q 'type=version' || fail "$program has no version resource"
echo "$resources" | grep -q 'type=group_icon' || fail "$program has no icon"
wrestool -x --raw --type=version "$program" | iconv -f UTF-16LE -t UTF-8 -c | grep -aq "ProductVersion.$version" ||
    fail "the version resource does not give the product version $version"
finish "a Windows GUI program, version $version, with its icon; $(basename "$chart") a console program without Qt"
