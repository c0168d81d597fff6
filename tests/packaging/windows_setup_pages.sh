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
# The installer's windows: each page's caption begins with "Angulon Setup",
# as does that of its questions.
setup=$1 prefix_script=$2 work=$(realpath -m "$3") shots=$4 name='^Angulon Setup'
. "$(dirname "$0")/../lib.sh"

mkdir -p "$work" "$shots"
wine_prefix "$work/wineprefix"
sh "$prefix_script" "$WINEPREFIX" || fail "cannot make the Wine prefix $WINEPREFIX"
# shows HEADING: the installer's window shows HEADING, read with OCR (the
# pages' headings are small bold type, which Tesseract reads only enlarged).
shows() { last_window "$name" && import -window "$window" png:- 2>/dev/null | convert png:- -resize 200% png:- | tesseract stdin - 2>/dev/null | grep -qF "$1"; }
# windows COUNT: the installer has COUNT windows open.
windows() { [ "$(xdotool search --onlyvisible --name "$name" 2>/dev/null | wc -l)" -eq "$1" ]; }

wine "$setup" /CurrentUser >/dev/null 2>&1 &
# Each row: a page, the screenshot kept of it and the key then pressed in
# its window; Escape must bring Cancel's question, and its No the page back.
while IFS='|' read -r heading shot key; do
    retry 30 1 shows "$heading" || fail "the installer never showed \"$heading\""
    [ -z "$shot" ] || import -window root "$shots/$shot"
    say "page \"$heading\"${shot:+, kept as $shots/$shot}"
    timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key "$key"
    [ "$key" = Escape ] || continue
    retry 20 0.5 windows 2 || fail "Cancel quit the installer without asking"
    import -window root "$shots/setup-cancel.png"
    xdotool key n
    retry 20 0.5 windows 1 || fail "after No, the installer is not on its own page again"
done <<EOF
Welcome to Angulon Setup|setup-welcome.png|Escape
Welcome to Angulon Setup||Return
License Agreement||Return
Choose Users||Return
Choose Install Location||Return
Completing Angulon Setup|setup-finish.png|Return
EOF
retry 60 1 xdotool search --onlyvisible --name '^Angulon$' >/dev/null 2>&1 || fail "Finish did not start Angulon"
finish "Finish started Angulon"
