#!/bin/sh
# SPDX-License-Identifier: MIT
# Goes through the Windows installer's pages as a user does, under Wine on
# the caller's X display, in a Wine prefix of its own: it opens on a welcome
# page, Cancel asks before it quits (No carries on), Return takes the user
# through the licence, the choice of users and the folder to the finish
# page, and Finish with "Run Angulon" as it stands starts the program.
# Keeps screenshots of the welcome page, the question and the finish page.
# Usage: windows_setup_pages.sh SETUP.exe PREFIX_SCRIPT SCRATCH_DIR SHOT_DIR
set -eu
setup=$1
prefix_script=$2
work=$(realpath -m "$3")
shots=$4
. "$(dirname "$0")/../lib.sh"

export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all
rm -rf "$WINEPREFIX"
mkdir -p "$work" "$shots"
at_exit 'wineserver -k 2>/dev/null || true'
sh "$prefix_script" "$WINEPREFIX" || fail "cannot make the Wine prefix $WINEPREFIX"

# setup_windows: the installer's windows on the screen (each page's caption
# begins with "Angulon Setup", as does that of its questions).
setup_windows() { xdotool search --onlyvisible --name '^Angulon Setup' 2>/dev/null || true; }
# page HEADING [SHOT]: waits until the installer's window shows HEADING,
# read with OCR, and keeps a screenshot of the screen as SHOT.
page() {
    for _ in $(seq 30); do
        window=$(setup_windows | tail -n 1)
        # The pages' headings are small bold type, which Tesseract reads
        # only enlarged.
        if [ -n "$window" ] && import -window "$window" "$scratch/page.png" 2>/dev/null &&
            convert "$scratch/page.png" -resize 200% "$scratch/large.png" &&
            tesseract "$scratch/large.png" - 2>/dev/null | grep -qF "$1"; then
            [ -z "${2:-}" ] || import -window root "$shots/$2"
            say "page \"$1\"${2:+, kept as $shots/$2}"
            return 0
        fi
        sleep 1
    done
    fail "the installer never showed \"$1\""
}
# press KEY: KEY goes to the installer's window.
press() {
    timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key "$1"
}
# wait_windows COUNT: waits until the installer has COUNT windows open.
wait_windows() {
    for _ in $(seq 20); do
        [ "$(setup_windows | wc -l)" -eq "$1" ] && return 0
        sleep 0.5
    done
    return 1
}

wine "$setup" /CurrentUser >/dev/null 2>&1 &
page "Welcome to Angulon Setup" setup-welcome.png
press Escape
wait_windows 2 || fail "Cancel quit the installer without asking"
import -window root "$shots/setup-cancel.png"
xdotool key n
wait_windows 1 || fail "after No, the installer is not on its own page again"
press Return
page "License Agreement"
press Return
page "Choose Users"
press Return
page "Choose Install Location"
press Return
page "Completing Angulon Setup" setup-finish.png
press Return
for _ in $(seq 60); do
    xdotool search --onlyvisible --name '^Angulon$' >/dev/null 2>&1 && finish "Finish started Angulon"
    sleep 1
done
fail "Finish did not start Angulon"
