#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts a Windows build of the program under Wine on the caller's X display,
# does what an inspector does first (Tab from the tab strip into the
# thickness, types 1, leaves the angle at 70 and presses Return) and reads
# both sound paths off the screen with OCR: what counts is what is drawn,
# not what a field holds. Keeps the screenshot it read.
# The angle box is read too: it must still show 70. With CAPTION given, the
# caption left of the thickness must read CAPTION, whole: a face wider than
# Tahoma cuts it on the left.
# Usage: windows_shows_result.sh SCREENSHOT.png PROGRAM.exe [CAPTION]
set -eu
# The fields are the boxes of the design's pale yellow.
shot=$1 program=$2 caption=${3:-} field_colour='rgb(255,255,220)'
. "$(dirname "$0")/../lib.sh"

wine "$program" >/dev/null 2>&1 &
at_exit "kill $! 2>/dev/null || true"
# While the program starts, Wine may show a window of that name and drop it
# again; the keys go to the one that takes the focus and keeps it.
retry 60 1 focus '^Angulon$' || fail "no window named Angulon took the focus within a minute of starting $program"
# The window can be on the screen before the program has drawn it; keys
# typed then were lost on a busy machine, so they wait until the fields are
# drawn.
drawn() { timeout 10 import -window "$window" "$shot" 2>/dev/null && convert "$shot" -format %c histogram:info: | grep -qF "$field_colour"; }
retry 60 0.5 drawn || true
xdotool key --delay 100 Tab 1 Return
# The result is drawn on the next repaint; a moment is plenty.
sleep 1
import -window "$window" "$shot"

fields=$(convert "$shot" -fill black +opaque "$field_colour" -fill white -opaque "$field_colour" -define connected-components:verbose=true \
    -define connected-components:area-threshold=200 -connected-components 4 null: | awk '$NF == "srgb(255,255,255)" { print $2 }')
[ -n "$fields" ] || fail "no field of the design's colour on the screen"
# agreed BOX: what Tesseract reads as one line in BOX of the screenshot, cut
# out and enlarged three and four times with two different filters, if both
# readings agree; a field counts as showing a text only then.
agreed() {
    for filter in Triangle:300% Lanczos:400%; do
        convert "$shot" -crop "$1" +repage -bordercolor "$field_colour" -border 6 -filter "${filter%:*}" -resize "${filter#*:}" \
            -colorspace Gray png:- | tesseract stdin - --psm 7 2>/dev/null | sed '/^[[:space:]]*$/d' >"$scratch/${filter%:*}"
    done
    say "$1: \"$(cat "$scratch/Triangle")\" and \"$(cat "$scratch/Lanczos")\"" >&2
    ! cmp -s "$scratch/Triangle" "$scratch/Lanczos" || cat "$scratch/Triangle"
}
shown=$(for box in $fields; do agreed "$box"; done)
for expected in 70 "2.924 in" "5.848 in"; do printf '%s\n' "$shown" | grep -qx "$expected" || fault "no field shows \"$expected\""; done
# The thickness is the field furthest left, the upper of two; its caption
# ends before the field's frame (4 pixels with the focus on it), as wide as
# the longest caption of the design.
# shellcheck disable=SC2046 # width, height, x and y
set -- $(echo "$fields" | tr 'x+' '  ' | sort -n -k3 -k4 | head -n 1)
[ -z "$caption" ] || expect "the thickness's caption" "$(agreed "156x$2+$(($3 - 160))+$4")" "$caption"
finish "the screen shows 2.924 in and 5.848 in for a thickness of 1 at 70 degrees${caption:+, captioned $caption}"
