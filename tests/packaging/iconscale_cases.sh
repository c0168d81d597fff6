#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the icon tool through a table of cases, then reads the fields of the
# .ico it wrote that Windows reads before the images: each size takes the
# largest drawing that divides it, as drawn or with its pixels repeated; the
# check passes what the tool writes, names another picture, a size missing
# and a size too many, and prints the command that writes the file anew;
# sizes that would not stay sharp, or that the output cannot hold, and
# pictures that are not square, are refused.
# Usage: iconscale_cases.sh TOOL ASSETS_DIR
set -u
tool=$1 assets=$2 all=frame3.xpm,frame3_16.xpm,frame3_24.xpm,frame3_48.xpm
. "$(dirname "$0")/../lib.sh"
cp "$assets"/frame2.xpm "$assets"/frame3*.xpm "$scratch"
cd "$scratch" || exit 1
printf '/* XPM */\nstatic const char *wide[] = {"2 1 1 1", ". c None", ".."};\n' >wide.xpm

# Each row: the exit status expected, the tool's arguments and a text its
# output must hold; rows run in order, in one folder. one.ico, written from a
# single drawing, shows which drawing a size takes; as repeating pixels
# twice over repeats them once, twice.png enlarged is the picture enlarged.
while IFS='|' read -r expected arguments text; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$tool" $arguments >output 2>&1; status=$?
    [ "$status" -eq "$expected" ] && { [ -z "$text" ] || grep -qF -e "$text" output; } && continue
    fault "$status (expected $expected, with \"$text\"):  $arguments$(sed 's/^/\n        /' output)"
done <<EOF
0|$all icon.ico 16 24 32 48 64 128 256|
0|--check $all icon.ico 16 24 32 48 64 128 256|
1|--check frame2.xpm icon.ico 32 64 128 256|the 32 x 32 image differs
1|--check frame3.xpm icon.ico 32 64 96 128 256|no 96 x 96 image
1|--check frame3.xpm icon.ico 32 64 128|a 256 x 256 image too many
1|--check frame3.xpm icon.ico 32 64 128|iconscale frame3.xpm icon.ico 32 64 128
1|--check frame3.xpm missing.ico 32|holds no image
0|frame3.xpm one.ico 128 256|
0|--check frame3.xpm,frame3_16.xpm one.ico 128 256|
0|frame3.xpm twice.png 64|
0|--check twice.png one.ico 128 256|
0|frame3_48.xpm one.ico 48 96|
0|--check $all one.ico 48 96|
2|--check frame3.xpm icon.png 32|
2|frame3.xpm icon.png 32 64|
2|$all icon.ico 16 40|40 is not a whole multiple
2|frame3.xpm icon.png 0|
2|frame3.xpm icon.ico 32 512|
0|frame3.xpm icon.png 512|
1|missing.xpm icon.ico 32|
1|frame3.xpm,wide.xpm icon.ico 32|wide.xpm as a square picture
EOF

# The header and entries Windows reads before any image: reserved 0, type 1
# (icon), the count; per entry width and height (256 written as 0), no
# palette, reserved 0, one plane, 32 bits per pixel, the image's length and
# where it starts. The images follow one another without gaps, each a PNG.
/usr/bin/python3 - icon.ico <<'EOF' || fault 'the header and entries of icon.ico'
import struct, sys
data = open(sys.argv[1], 'rb').read()
sides = (16, 24, 32, 48, 64, 128, 0)
assert struct.unpack_from('<3H', data) == (0, 1, len(sides)), data[:6]
start = 6 + 16 * len(sides)
for i, side in enumerate(sides):
    *fields, length, offset = struct.unpack_from('<4B2H2I', data, 6 + 16 * i)
    assert (fields, offset, data[offset:offset + 8]) == ([side, side, 0, 0, 1, 32], start, b'\x89PNG\r\n\x1a\n'), i
    start += length
assert start == len(data), (start, len(data))
EOF

finish "every case passed"
