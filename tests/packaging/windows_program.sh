#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Windows program files as Windows sees them: angulon.exe a GUI
# program (no console window opens with it), angulon-chart.exe and
# angulon-locate.exe console programs that load no Qt, all importing only
# Windows' own DLLs and those the packages ship beside them, so nothing of
# Linux's (fontconfig, say) leaks in, and all with their icon and a manifest
# Windows can read. They and the installer carry a version resource naming the product, its version and the
# licence's copyright, each with a description of its own; the installed
# uninstaller, which carries the installer's, is checked by
# windows_setup_installs.sh.
# Usage: windows_program.sh PROGRAM.exe CHART.exe LOCATE.exe SETUP.exe OBJDUMP VERSION LICENSE RUNTIME_DLLS QT_DLL...
#   (RUNTIME_DLLS: the MinGW runtime DLLs the packages ship, separated by
#   semicolons; QT_DLL: Qt's files in the packages' folder)
set -eu
program=$1 chart=$2 locate=$3 setup=$4 objdump=$5 version=$6 license=$7 windows="$8;KERNEL32.dll;msvcrt.dll" && shift 8
. "$(dirname "$0")/../lib.sh"

# The four numbers Windows shows as the file and product version: the
# project's version without its zero padding, and a fourth 0.
four=$(echo "$version" | awk -F. '{ printf "%d.%d.%d.0", $1, $2, $3 }')
# version_string EXE KEY: KEY's value in EXE's version resource, whose
# strings are UTF-16, each key followed by its value.
version_string() { wrestool -x --raw --type=version "$1" | iconv -f UTF-16LE -t UTF-8 -c | perl -0777 -ne "print \$1 if /\\Q$2\\E\\0+([^\\0]+)/"; }

# Each row: a program, its subsystem (2 GUI, 3 console) and what it may import.
while read -r exe subsystem allowed; do
    headers=$("$objdump" -p "$exe")
    expect "$exe's subsystem" "$(echo "$headers" | sed -n 's/^Subsystem[[:space:]]*\([0-9]*\).*/\1/p')" "0000000$subsystem"
    expect "what $exe imports that neither Windows nor the packages provide" "$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' |
        tr '[:upper:]' '[:lower:]' | grep -vxF -e "$(echo "$allowed" | tr ';' '\n')")" ""
    expect "$exe's OriginalFilename" "$(version_string "$exe" OriginalFilename)" "$(basename "$exe")"
    wrestool -l --type=group_icon "$exe" | grep -q . || fault "$exe has no icon"
    # A manifest Windows cannot parse stops the program from starting.
    manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" | tr -s ' \n' ' ')
    echo "$manifest" | python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.stdin)' || fault "$exe has no manifest Windows can read"
    for part in "version=\"$four\"" 'level="asInvoker"' 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
        '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
        echo "$manifest" | grep -qF "$part" || fault "$exe's manifest lacks $part"
    done
done <<EOF
$program 2 $(printf '%s;' "$windows" USER32.dll SHELL32.dll "$@" | tr '[:upper:]' '[:lower:]')
$chart 3 $(echo "$windows" | tr '[:upper:]' '[:lower:]')
$locate 3 $(echo "$windows" | tr '[:upper:]' '[:lower:]')
EOF

for exe in "$program" "$chart" "$locate" "$setup"; do
    while read -r key expected; do
        expect "$exe's $key" "$(version_string "$exe" "$key")" "$expected"
    done <<EOF
ProductName Angulon
ProductVersion $version
FileVersion $version
LegalCopyright $(grep -m1 '^Copyright ' "$license")
EOF
    # The fixed part after its signature 0xFEEF04BD and structure version: file
    # and product version, each as two 32-bit numbers of two 16-bit halves.
    expect "$exe's fixed versions" "$(wrestool -x --raw --type=version "$exe" | perl -0777 -ne '/\xbd\x04\xef\xfe.{4}(.{16})/s and
        printf "%d.%d.%d.%d %d.%d.%d.%d", map { ($_ >> 16, $_ & 0xffff) } unpack "V4", $1')" "$four $four"
    [ -n "$(version_string "$exe" CompanyName)" ] || fault "$exe names no company"
    { version_string "$exe" FileDescription && echo; } >>"$scratch/descriptions"
done
expect "the number of descriptions, each its own" "$(sort -u "$scratch/descriptions" | grep -c .)" 4
finish "$(basename "$program") a Windows GUI program, $(basename "$chart") and $(basename "$locate") console programs without Qt, all with icon and manifest; they and $(basename "$setup") carry version $version"
