#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Windows program files as Windows sees them: angulon.exe a GUI
# program (no console window opens with it), angulon-chart.exe a console
# program that loads no Qt, both importing only Windows' own DLLs and those
# the packages ship beside them, so nothing of Linux's (fontconfig, say) leaks
# in, and both with their icon and a manifest Windows can read. Both and the
# installer carry a version resource naming the product, its version and the
# licence's copyright, each with a description of its own; the installed
# uninstaller, which carries the installer's, is checked by
# windows_setup_installs.sh.
# Usage: windows_program.sh PROGRAM.exe OBJDUMP VERSION CHART.exe SETUP.exe LICENSE RUNTIME_DLL...
#   (RUNTIME_DLL: the MinGW runtime DLLs the packages ship)
set -eu
program=$1
objdump=$2
version=$3
chart=$4
setup=$5
license=$6
shift 6
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

# The four numbers Windows shows as the file and product version: the
# project's version without its zero padding, and a fourth 0.
four=$(echo "$version" | awk -F. '{ printf "%d.%d.%d.0", $1, $2, $3 }')
copyright=$(grep -m1 '^Copyright ' "$license")
# version_string EXE KEY: KEY's value in EXE's version resource, whose
# strings are UTF-16, each key followed by its value.
version_string() {
    wrestool -x --raw --type=version "$1" | iconv -f UTF-16LE -t UTF-8 -c |
        perl -0777 -ne "print \$1 if /\\Q$2\\E\\0+([^\\0]+)/"
}
# The fixed part after its signature 0xFEEF04BD and structure version: file
# and product version, each as two 32-bit numbers of two 16-bit halves.
fixed_versions() {
    wrestool -x --raw --type=version "$1" |
        perl -0777 -ne '/\xbd\x04\xef\xfe.{4}(.{16})/s and printf "%d.%d.%d.%d %d.%d.%d.%d", map { ($_ >> 16, $_ & 0xffff) } unpack "V4", $1'
}
descriptions=
for exe in "$program" "$chart" "$setup"; do
    name=$(basename "$exe")
    for key in ProductName ProductVersion FileVersion CompanyName LegalCopyright FileDescription; do
        say "$name: $key \"$(version_string "$exe" $key)\""
    done
    [ "$(version_string "$exe" ProductName)" = Angulon ] || fault "$name does not name the product Angulon"
    [ "$(version_string "$exe" ProductVersion)" = "$version" ] || fault "$name does not give the product version $version"
    [ "$(version_string "$exe" FileVersion)" = "$version" ] || fault "$name does not give the file version $version"
    [ "$(fixed_versions "$exe")" = "$four $four" ] || fault "$name gives the versions $(fixed_versions "$exe"), not $four"
    [ -n "$(version_string "$exe" CompanyName)" ] || fault "$name names no company"
    [ "$(version_string "$exe" LegalCopyright)" = "$copyright" ] || fault "$name does not give the licence's $copyright"
    description=$(version_string "$exe" FileDescription)
    [ -n "$description" ] || fault "$name has no description"
    printf '%s' "$descriptions" | grep -qxF "$description" && fault "$name has another file's description"
    descriptions="$descriptions$description
"
done

for exe in "$program" "$chart"; do
    name=$(basename "$exe")
    [ "$(version_string "$exe" OriginalFilename)" = "$name" ] || fault "$name's version resource names another file"
    wrestool -l --type=group_icon "$exe" | grep -q . || fault "$name has no icon"
    # A manifest Windows cannot parse stops the program from starting.
    manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" | tr -s ' \n' ' ')
    echo "$manifest" | python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.stdin)' ||
        fail "$name has no manifest Windows can read"
    for part in "version=\"$four\"" 'level="asInvoker"' 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
        '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>' \
        'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
        echo "$manifest" | grep -qF "$part" || fault "$name's manifest lacks $part"
    done
    say "$name: manifest of ${#manifest} characters"
done
finish "$(basename "$program") a Windows GUI program, $(basename "$chart") a console program without Qt, both with icon and manifest; they and $(basename "$setup") carry version $version"
