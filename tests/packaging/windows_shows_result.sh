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
shot=$1
program=$2
caption=${3:-}
. "$(dirname "$0")/../lib.sh"

wine "$program" >/dev/null 2>&1 &
at_exit "kill $! 2>/dev/null || true"
# While the program starts, Wine may show a window of that name and drop it
# again; the keys go to the one that takes the focus and keeps it.
window=
for _ in $(seq 60); do
    candidate=$(xdotool search --onlyvisible --name '^Angulon$' 2>/dev/null | tail -n 1)
    if [ -n "$candidate" ] && timeout 5 xdotool windowactivate --sync "$candidate" 2>/dev/null &&
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$candidate" ]; then
        window=$candidate
        break
    fi
    sleep 1
done
[ -n "$window" ] || fail "no window named Angulon took the focus within a minute of starting $program"
# The fields are the boxes of the design's pale yellow. The window can be on
# the screen before the program has drawn it; keys typed then were lost on a
# busy machine, so they wait until the fields are drawn.
field_colour='rgb(255,255,220)'
for _ in $(seq 60); do
    timeout 10 import -window "$window" "$shot" 2>/dev/null &&
        convert "$shot" -format %c histogram:info: | grep -qF "$field_colour" && break
    sleep 0.5
done
xdotool key --delay 100 Tab 1 Return
# The result is drawn on the next repaint; a moment is plenty.
sleep 1
import -window "$window" "$shot"

# Each field is cut out and read by Tesseract as one line, twice (enlarged
# three and four times with two different filters); a field counts as
# showing a text only when both readings agree on it.
fields=$(convert "$shot" -fill black +opaque "$field_colour" -fill white -opaque "$field_colour" \
    -define connected-components:verbose=true -define connected-components:area-threshold=200 \
    -connected-components 4 null: | awk '$NF == "srgb(255,255,255)" { print $2 }')
[ -n "$fields" ] || fail "no field of the design's colour on the screen"
scaled="$scratch/field.png"
read_field() {
    convert "$shot" -crop "$1" +repage -bordercolor "$field_colour" -border 6 -filter "$2" -resize "$3" \
        -colorspace Gray "$scaled"
    tesseract "$scaled" - --psm 7 2>/dev/null | sed '/^[[:space:]]*$/d'
}
shown=
say "the fields on the screen of $(basename "$program"):"
for box in $fields; do
    first=$(read_field "$box" Triangle 300%)
    second=$(read_field "$box" Lanczos 400%)
    echo "    $box: \"$first\" and \"$second\""
    [ "$first" = "$second" ] && shown="$shown$first
"
done
for expected in 70 "2.924 in" "5.848 in"; do
    printf '%s' "$shown" | grep -qx "$expected" || fail "no field shows \"$expected\""
done
[ -n "$caption" ] || finish "the screen shows 2.924 in and 5.848 in for a thickness of 1 at 70 degrees"
# The thickness is the field furthest left, the upper of two; its caption
# ends before the field's frame (4 pixels with the focus on it), as wide as
# the longest caption of the design.
# shellcheck disable=SC2046 # width, height, x and y
set -- $(echo "$fields" | tr 'x+' '  ' | sort -n -k3 -k4 | head -n 1)
first=$(read_field "156x$2+$(($3 - 160))+$4" Triangle 300%)
second=$(read_field "156x$2+$(($3 - 160))+$4" Lanczos 400%)
say "the caption left of the thickness: \"$first\" and \"$second\""
[ "$first" = "$caption" ] && [ "$second" = "$caption" ] || fail "the thickness's caption does not read $caption"
finish "the screen shows 2.924 in and 5.848 in for a thickness of 1 at 70 degrees, captioned $caption"
