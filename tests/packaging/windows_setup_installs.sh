#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Windows installer under Wine, in a Wine prefix of its own. Run
# silently, it installs for the current user and for all users, each into
# the folder, Start-menu entries (the program, and a command prompt in the
# folder for angulon-chart) and uninstall registry entry of its mode, with
# an uninstaller carrying the installer's version resource; run again
# without a mode, it updates an installation where it is, uninstalling it
# first; a folder given with /D= is taken. Each uninstaller, started as
# Windows starts it, removes its own installation and not the other one, and
# the folders the installer made, but not one that was there before; once
# both are gone the prefix's files and registry (temporary folders aside)
# are as they were before the first installation.
# With ANGULON_INSTALLED_CHECK set, that command runs after each new
# installation with the installed program's Unix path as its argument and
# WINEPREFIX set; if it fails, the check fails. What it leaves in the prefix
# is its own.
# Usage: windows_setup_installs.sh SETUP.exe PROGRAM.exe NAME VERSION SCRATCH_DIR
set -eu
setup=$(realpath "$1") program=$2 name=$3 version=$4 work=$(realpath -m "$5")
. "$(dirname "$0")/../lib.sh"

mkdir -p "$work"
wine_prefix "$work/wineprefix"
WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;$WINEDLLOVERRIDES" wine wineboot -i >/dev/null 2>&1 || fail "wineboot could not make $WINEPREFIX"
wineserver -w

windows_variable() { wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
# winepath now and then answers nothing while the machine is busy; it is
# asked again before a path counts as not there.
unix_path() { for _ in 1 2 3; do winepath -u "$1" </dev/null 2>/dev/null | grep . && return; sleep 1; done; }
user_folder="$(windows_variable LOCALAPPDATA)\\Programs\\$name" machine_folder="$(windows_variable ProgramFiles)\\$name"
# An installation for the current user has its registry key in HKCU, one
# for all users in HKLM, each with a Start menu of its own.
# shellcheck disable=SC2034 # read by state through eval
menu_HKCU="$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs" menu_HKLM="$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
key="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
# reg query prints each value of a key as "    NAME    REG_TYPE    DATA".
value() { printf '%s\n' "$values" | tr -d '\r' | sed -n "s/^    $1    REG_[A-Z_]*    //p"; }

# snapshot FILE: every file and folder of drive C: outside the temporary
# folders, and every registry value under HKCU\Software and HKLM\Software
# with its key, sorted into FILE.
snapshot() {
    {
        (cd "$WINEPREFIX/drive_c" && find . | grep -v -i -e '^\./users/[^/]*/\(AppData/Local/\)\{0,1\}Temp/' -e '^\./windows/temp/' | sed 's|^\.|C:|')
        for root in HKCU HKLM; do
            wine reg export "$root\\Software" "$work/reg" /y </dev/null >/dev/null 2>&1 || echo "cannot export $root\\Software"
            iconv -f UTF-16 -t UTF-8 "$work/reg" | tr -d '\r' | awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }'
        done
    } | LC_ALL=C sort >"$1"
}

# state HIVE FOLDER: the installation whose key is in HIVE is in FOLDER;
# nothing is checked when FOLDER is empty, as what an uninstaller leaves
# behind shows once all are gone.
state() {
    hive=$1 folder=$2 && eval "menu=\$menu_$1"
    [ -n "$folder" ] || return 0
    unix=$(unix_path "$folder") uninstaller="$folder\\Uninstall.exe"
    [ -f "$unix/$program" ] || fail "no $folder\\$program"
    # shellcheck disable=SC2046 # one word a file
    say "files in $folder:" $(cd "$unix" && find . -type f | LC_ALL=C sort)
    values=$(wine reg query "$hive\\$key" </dev/null 2>/dev/null) || fail "no registry key $hive\\$key"
    while read -r entry expected; do
        expect "$hive\\$key's $entry" "$(value "$entry")" "$expected"
    done <<EOF
DisplayName $name
DisplayVersion $version
DisplayIcon $folder\\$program
InstallLocation $folder
NoModify 0x1
NoRepair 0x1
UninstallString "$uninstaller"
QuietUninstallString "$uninstaller" /S
EOF
    [ -n "$(value Publisher)" ] || fault "$hive\\$key has no Publisher"
    # The installed size in KiB, give or take a KiB a file for rounding.
    find "$unix" -type f -printf '%s\n' | awk -v size=$(($(value EstimatedSize))) '{ kib += $1 / 1024; n++ }
        END { exit !(size >= kib - n && size <= kib + n) }' || fault "EstimatedSize $(value EstimatedSize) is not what $folder takes"
    wrestool -x --raw --type=version "$(unix_path "$uninstaller")" | cmp -s - "$work/setup-version" ||
        fault "the uninstaller $uninstaller does not carry the installer's version resource"
    # A shortcut holds its target as a plain string and its icon's place and
    # working folder as UTF-16 strings (which may show the character count
    # before them as a letter).
    while IFS='|' read -r link encoding text; do
        strings -a -e "$encoding" "$(unix_path "$menu\\$link")" | text="$text" awk '{ $0 = tolower($0); t = tolower(ENVIRON["text"]) }
            $0 == t || substr($0, 2) == t { n++ } END { exit !n }' || fault "the Start-menu entry $menu\\$link holds no $text"
    done <<EOF
$name.lnk|s|$folder\\$program
$name.lnk|l|$folder\\$program
$name chart command prompt.lnk|s|C:\\windows\\system32\\cmd.exe
$name chart command prompt.lnk|l|$folder
EOF
}

# uninstall HIVE: runs the QuietUninstallString of HIVE's registry key as
# Windows would. The uninstaller copies itself to a temporary folder, starts
# the copy and returns; the copy is done once the prefix's wineserver has
# nothing left to run.
# shellcheck disable=SC2317 # run as a step of the table below
uninstall() {
    values=$(wine reg query "$1\\$key" </dev/null 2>/dev/null) || fail "no registry key $1\\$key"
    eval "timeout 300 wine $(value QuietUninstallString)" </dev/null || fail "$(value QuietUninstallString) failed (exit $?)"
    timeout 300 wineserver -w || fail "$(value QuietUninstallString) did not finish"
}

# setup SWITCH...: runs the installer silently with SWITCH.
# shellcheck disable=SC2317 # run as a step of the table below
setup() { timeout 300 wine "$setup" /S "$@" </dev/null || fail "setup $* failed (exit $?)"; }

# Runs ANGULON_INSTALLED_CHECK on the program in FOLDER and notes what it
# leaves, which is not the uninstaller's to remove.
installed_check() {
    [ -n "${ANGULON_INSTALLED_CHECK:-}" ] || return 0
    snapshot "$work/before_check"
    sh -c "$ANGULON_INSTALLED_CHECK \"\$1\"" installed_check "$(unix_path "$1\\$program")" </dev/null || fail "ANGULON_INSTALLED_CHECK failed on $1\\$program"
    snapshot "$work/after_check"
    LC_ALL=C comm -13 "$work/before_check" "$work/after_check" | LC_ALL=C sort -m -o "$work/left_by_check" - "$work/left_by_check"
}

wrestool -x --raw --type=version "$setup" >"$work/setup-version"
# A folder that was there before is not the uninstaller's to remove, even
# when it is empty.
mkdir "$WINEPREFIX/drive_c/Tools"
snapshot "$work/before"
: >"$work/left_by_check"
# Each row: what runs, and where the installations for the current user and
# for all users are then. Wine's user is an administrator, whose uninstaller
# would by default take the installation for all users: each must take its
# own. An administrator's setup installs for all users by default; /D= makes
# two folders in C:\Tools, which the uninstaller removes, leaving C:\Tools.
# (Wine quotes a folder with a blank, which /D= does not take.) A value
# only the earlier installation's key holds goes if an update, as it
# should, first runs the earlier installation's uninstaller.
user='' machine=''
while IFS='|' read -r step new_user new_machine <&3; do
    printf '\n=== %s\n' "$step"
    [ "$step" != setup ] || wine reg add "HKCU\\$key" /v EarlierVersion /d 0 /f </dev/null >/dev/null 2>&1 || fail "cannot add to HKCU\\$key"
    # shellcheck disable=SC2086 # the step's words: a function and its arguments
    $step
    state HKLM "$new_machine"
    state HKCU "$new_user"
    [ "$step" != setup ] || [ -z "$(value EarlierVersion)" ] || fault "the update did not uninstall the earlier installation first"
    [ -z "$new_user" ] || [ "$new_user" = "$user" ] || installed_check "$new_user"
    [ -z "$new_machine" ] || [ "$new_machine" = "$machine" ] || installed_check "$new_machine"
    user=$new_user machine=$new_machine
    [ -n "$user$machine" ] && continue
    snapshot "$work/after"
    expect "what the installations left behind" "$(LC_ALL=C comm -13 "$work/before" "$work/after" | LC_ALL=C comm -23 - "$work/left_by_check")" ""
    expect "what was removed, though never installed" "$(LC_ALL=C comm -23 "$work/before" "$work/after")" ""
done 3<<EOF
setup /CurrentUser|$user_folder|
setup|$user_folder|
setup /AllUsers|$user_folder|$machine_folder
uninstall HKCU||$machine_folder
uninstall HKLM||
setup /D=C:\\Tools\\Inspection\\$name||C:\\Tools\\Inspection\\$name
uninstall HKLM||
EOF
finish "all checks passed"
