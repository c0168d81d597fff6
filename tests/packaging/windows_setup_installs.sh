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
# With ANGULON_INSTALLED_CHECK set, that command runs after each installation
# with the installed program's Unix path as its argument and WINEPREFIX set;
# if it fails, the check fails. What it leaves in the prefix is its own.
# Usage: windows_setup_installs.sh SETUP.exe PROGRAM.exe NAME VERSION SCRATCH_DIR
set -eu
if [ $# -ne 5 ]; then
    echo "usage: $0 SETUP.exe PROGRAM.exe NAME VERSION SCRATCH_DIR" >&2
    exit 2
fi
setup=$(realpath "$1")
program=$2
name=$3
version=$4
work=$(realpath -m "$5")
. "$(dirname "$0")/../lib.sh"
ok() { printf 'ok: %s\n' "$*"; }

export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all
rm -rf "$WINEPREFIX"
mkdir -p "$work"
# A hung installer must not outlive the check.
at_exit 'wineserver -k 2>/dev/null || true'
WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot -i >/dev/null 2>&1 || fail "wineboot could not make $WINEPREFIX"
wineserver -w
echo "Wine prefix: $WINEPREFIX"

windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# winepath now and then answers nothing while the machine is busy; it is
# asked again before a path counts as not there.
unix_path() {
    for _ in 1 2 3; do
        unix=$(winepath -u "$1" 2>/dev/null)
        [ -z "$unix" ] || break
        sleep 1
    done
    printf '%s\n' "$unix"
}
local_programs="$(windows_variable LOCALAPPDATA)\\Programs"
program_files=$(windows_variable ProgramFiles)
user_menu="$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
common_menu="$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
key="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"

# Every file and folder of drive C: outside the temporary folders, and every
# registry value under HKCU\Software and HKLM\Software with its key.
snapshot() {
    for root in HKCU HKLM; do
        wine reg export "$root\\Software" "$work/$root.reg" /y >/dev/null 2>&1 || fail "cannot export $root\\Software"
    done
    {
        (cd "$WINEPREFIX/drive_c" && find . |
            grep -v -i -e '^\./users/[^/]*/Temp/' -e '^\./users/[^/]*/AppData/Local/Temp/' \
                -e '^\./windows/temp/' | sed 's|^\.|C:|')
        for root in HKCU HKLM; do
            iconv -f UTF-16 -t UTF-8 "$work/$root.reg" | tr -d '\r' |
                awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }'
        done
    } | LC_ALL=C sort
}

# reg query prints each value of a key as "    NAME    REG_TYPE    DATA".
registry_values() {
    wine reg query "$1" >"$work/query" 2>/dev/null || return 1
    tr -d '\r' <"$work/query"
}
value() { printf '%s\n' "$values" | sed -n "s/^    $1    REG_[A-Z_]*    //p"; }
expect_value() {
    [ "$(value "$1")" = "$2" ] || fail "$hive\\$key: $1 is '$(value "$1")', not '$2'"
}

# The registry key and Start-menu entry of MODE (AllUsers or CurrentUser).
mode_places() {
    if [ "$1" = AllUsers ]; then
        hive=HKLM menu=$common_menu
    else
        hive=HKCU menu=$user_menu
    fi
    link="$menu\\$name.lnk"
    prompt_link="$menu\\$name chart command prompt.lnk"
}

# link_holds LINK TEXT: one of the UTF-16 strings of the shortcut LINK is
# TEXT (strings may show the character count before it as a letter; awk
# takes TEXT from the environment, as -v would read its backslashes).
link_holds() {
    strings -a -el "$(unix_path "$1")" |
        text="$2" awk '$0 == ENVIRON["text"] || substr($0, 2) == ENVIRON["text"] { n++ } END { exit !n }'
}

# installed MODE FOLDER: an installation of MODE is in FOLDER
installed() {
    mode_places "$1"
    folder=$2
    [ -f "$(unix_path "$folder\\$program")" ] || fail "no $folder\\$program"
    printf 'files in %s:\n' "$folder"
    (cd "$(unix_path "$folder")" && find . -type f | LC_ALL=C sort | sed 's|^\./|    |')

    values=$(registry_values "$hive\\$key") || fail "no registry key $hive\\$key"
    printf '%s\n' "$values" | sed '/^$/d'
    expect_value DisplayName "$name"
    expect_value DisplayVersion "$version"
    expect_value DisplayIcon "$folder\\$program"
    expect_value InstallLocation "$folder"
    expect_value NoModify 0x1
    expect_value NoRepair 0x1
    [ -n "$(value Publisher)" ] || fail "$hive\\$key has no Publisher"
    uninstall=$(value UninstallString)
    case $uninstall in
    "\"$folder\\"*.exe\") ;;
    *) fail "UninstallString '$uninstall' is not a quoted program in $folder" ;;
    esac
    uninstaller=${uninstall#\"}
    uninstaller=${uninstaller%\"}
    [ -f "$(unix_path "$uninstaller")" ] || fail "the uninstaller $uninstaller is missing"
    expect_value QuietUninstallString "$uninstall /S"
    # The installed size in KiB, give or take a KiB a file for rounding.
    size=$(($(value EstimatedSize)))
    files=$(find "$(unix_path "$folder")" -type f | wc -l)
    bytes=$(find "$(unix_path "$folder")" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
    if [ "$size" -lt $((bytes / 1024 - files)) ] || [ "$size" -gt $((bytes / 1024 + files)) ]; then
        fail "EstimatedSize is $size KiB, but the files take $bytes bytes"
    fi
    ok "registry entry $hive\\$key"

    [ -f "$(unix_path "$link")" ] || fail "no Start-menu entry $link"
    # The target is stored as a plain string, the icon's place as UTF-16.
    strings -a "$(unix_path "$link")" | grep -qxF "$folder\\$program" || fail "$link does not start $program"
    link_holds "$link" "$folder\\$program" || fail "$link does not show $program's icon"
    ok "Start-menu entry $link"
    [ -f "$(unix_path "$prompt_link")" ] || fail "no Start-menu entry $prompt_link"
    strings -a "$(unix_path "$prompt_link")" | grep -qix 'C:\\windows\\system32\\cmd.exe' ||
        fail "$prompt_link does not open a command prompt"
    link_holds "$prompt_link" "$folder" || fail "$prompt_link does not open in $folder"
    ok "Start-menu entry $prompt_link"
    wrestool -x --raw --type=version "$(unix_path "$uninstaller")" | cmp -s - "$work/setup-version" ||
        fail "the uninstaller does not carry the installer's version resource"
}

# not_installed MODE: MODE has no registry key and no Start-menu entry
not_installed() {
    mode_places "$1"
    ! registry_values "$hive\\$key" >/dev/null || fail "there is a registry key $hive\\$key"
    [ ! -e "$(unix_path "$link")" ] || fail "there is a Start-menu entry $link"
    [ ! -e "$(unix_path "$prompt_link")" ] || fail "there is a Start-menu entry $prompt_link"
    ok "nothing installed for $1"
}

# Runs ANGULON_INSTALLED_CHECK on the program in FOLDER and notes what it
# leaves, which is not the uninstaller's to remove.
run_installed_check() {
    [ -n "${ANGULON_INSTALLED_CHECK:-}" ] || return 0
    snapshot >"$work/before_check"
    installed_program=$(unix_path "$1\\$program")
    sh -c "$ANGULON_INSTALLED_CHECK \"\$1\"" installed_check "$installed_program" ||
        fail "ANGULON_INSTALLED_CHECK failed: $ANGULON_INSTALLED_CHECK $installed_program"
    snapshot >"$work/after_check"
    LC_ALL=C comm -13 "$work/before_check" "$work/after_check" >>"$work/left_by_check"
    LC_ALL=C sort -o "$work/left_by_check" "$work/left_by_check"
    ok "ANGULON_INSTALLED_CHECK: $ANGULON_INSTALLED_CHECK $installed_program"
}

# uninstall MODE FOLDER: runs the QuietUninstallString of MODE's registry
# key, which must take the folder, the key and the Start-menu entry away.
uninstall() {
    mode_places "$1"
    folder=$2
    values=$(registry_values "$hive\\$key") || fail "no registry key $hive\\$key"
    quiet=$(value QuietUninstallString)
    printf '\n=== %s\n' "$quiet"
    uninstaller=${quiet#\"}
    uninstaller=${uninstaller%%\"*}
    # The uninstaller copies itself to a temporary folder, starts the copy
    # and returns; the copy is done once the prefix's wineserver has nothing
    # left to run.
    # shellcheck disable=SC2086 # the switches are split on purpose
    timeout 300 wine "$uninstaller" ${quiet#\""$uninstaller"\"} || fail "$quiet failed (exit $?)"
    timeout 300 wineserver -w || fail "$quiet did not finish"
    [ ! -e "$(unix_path "$folder")" ] || fail "$folder is still there: $(find "$(unix_path "$folder")")"
    not_installed "$1"
    ok "$folder removed"
}

# Compares the prefix with how it was before the first installation.
as_before() {
    snapshot >"$work/after"
    added=$(LC_ALL=C comm -13 "$work/before" "$work/after" | LC_ALL=C comm -23 - "$work/left_by_check")
    removed=$(LC_ALL=C comm -23 "$work/before" "$work/after")
    [ -z "$added" ] || fail "left behind: $added"
    [ -z "$removed" ] || fail "removed, though never installed: $removed"
    ok "files and registry are as they were before the installation"
}

# run_setup SWITCH...: runs the installer silently with the switches given
run_setup() {
    printf '\n=== setup /S %s\n' "$*"
    timeout 300 wine "$setup" /S "$@" || fail "setup /S $* failed (exit $?)"
}

user_folder="$local_programs\\$name"
machine_folder="$program_files\\$name"
wrestool -x --raw --type=version "$setup" >"$work/setup-version"
# A folder that was there before is not the uninstaller's to remove, even
# when it is empty.
mkdir "$WINEPREFIX/drive_c/Tools"
snapshot >"$work/before"
: >"$work/left_by_check"

run_setup /CurrentUser
installed CurrentUser "$user_folder"
not_installed AllUsers
run_installed_check "$user_folder"
# A value only the earlier installation's key holds goes if the update, as
# it should, first runs the earlier installation's uninstaller.
wine reg add "HKCU\\$key" /v EarlierVersion /d 0 /f >/dev/null 2>&1 || fail "cannot add to HKCU\\$key"
run_setup
installed CurrentUser "$user_folder"
not_installed AllUsers
[ -z "$(value EarlierVersion)" ] || fail "the update did not uninstall the earlier installation first"
ok "setup without a mode updated the installation for the current user, uninstalling the earlier one first"

run_setup /AllUsers
installed AllUsers "$machine_folder"
run_installed_check "$machine_folder"
installed CurrentUser "$user_folder"
# Wine's user is an administrator, whose uninstaller would by default take
# the installation for all users: each must take its own.
uninstall CurrentUser "$user_folder"
installed AllUsers "$machine_folder"
uninstall AllUsers "$machine_folder"
as_before

# An administrator's default is all users. The installer makes two folders
# in C:\Tools, and the uninstaller removes them but leaves C:\Tools. (Wine
# quotes a folder with a blank, which /D= does not take.)
run_setup "/D=C:\\Tools\\Inspection\\$name"
installed AllUsers "C:\\Tools\\Inspection\\$name"
not_installed CurrentUser
uninstall AllUsers "C:\\Tools\\Inspection\\$name"
as_before

finish "all checks passed"
