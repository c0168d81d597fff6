#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints angulon-chart's HTML page to PDF with a real browser (Chromium,
# headless) on A4 and on Letter, and reads the pages back: the paper asked
# for; every row of the chart whole and present once; on every page the
# chart's title and range at the top, the angle of the table on it, and the
# program and "page N of M" at the foot; the header and at least three rows
# on every page; nothing cut off at a page's edge; the drawings kept as
# vectors (sharp at any size) with their labels as text. Then shows the page
# on a phone's width and checks that nothing runs off its right edge.
# Usage: chart_prints.sh ANGULON_CHART
set -euo pipefail
chart=$1
. "$(dirname "$0")/lib.sh"
work=$scratch

browser() {
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
        --no-default-browser-check --user-data-dir="$work/profile" "$@" >"$work/chromium.log" 2>&1 ||
        { cat "$work/chromium.log" >&2; fail "chromium did not finish: $*"; }
}

# prints NAME PAPER UNIT TITLE CHART_OPTION...: prints the chart to NAME.pdf
# and checks its pages; PAPER is the size the PDF must have.
prints() {
    local name=$1 paper=$2 unit=$3 title=$4
    shift 4
    "$chart" "$@" --unit "$unit" --decimal . --format html -o "$work/$name.html"
    "$chart" "$@" --unit "$unit" --decimal . --format csv | tr -d '\r' | tail -n +2 | tr ',' ' ' | sort >"$work/expected"
    browser --no-pdf-header-footer --print-to-pdf="$work/$name.pdf" "file://$work/$name.html"
    local info pages size
    info=$(pdfinfo "$work/$name.pdf")
    pages=$(echo "$info" | sed -n 's/^Pages: *//p')
    size=$(echo "$info" | sed -n 's/^Page size: *//p')
    echo "$name: $pages pages of $size"
    echo "$size" | grep -qi "($paper)" || fault "$name: printed on $size, not $paper"

    : >"$work/rows"
    local page text top rows angles
    for page in $(seq "$pages"); do
        text=$(pdftotext -layout -f "$page" -l "$page" "$work/$name.pdf" -)
        rows=$(sed -n 's/^ *\([0-9][0-9.]* \+\(70\|60\|45\)\( \+[0-9]\+\.[0-9]\{3\}\)\{4\}\) *$/\1/p' <<<"$text" |
            tr -s ' ')
        # Here-strings, not pipes: under pipefail, a grep -q or head that is
        # done early would fail the check by the writer's broken pipe.
        top=${text%%$'\n'*}
        grep -q "^Angulon chart: $title  .*probe$" <<<"$top" || fault "$name: page $page is headed '$top'"
        grep -q "^Written by angulon-chart .*  page $page of $pages$" <<<"$text" ||
            fault "$name: page $page does not end with the program and 'page $page of $pages'"
        [ -n "$rows" ] || { fault "$name: page $page holds no row"; continue; }
        echo "$rows" >>"$work/rows"
        angles=$(echo "$rows" | cut -d' ' -f2 | sort -u)
        grep -q " ${angles}° probe$" <<<"$top" ||
            fault "$name: page $page with rows at $angles degrees is headed '$top'"
        grep -q "Thickness ($unit) \+Angle \+A-B ($unit) \+A-B-C ($unit) \+Half skip ($unit) \+Full skip ($unit)" <<<"$text" ||
            fault "$name: page $page has rows but no header"
        [ "$(echo "$rows" | wc -l)" -ge 3 ] || fault "$name: page $page holds only $(echo "$rows" | wc -l) row(s)"
    done
    sort "$work/rows" >"$work/printed"
    if ! cmp -s "$work/printed" "$work/expected"; then
        fault "$name: the printed rows differ from the chart's (< printed, > chart):"
        diff "$work/printed" "$work/expected" | head -20 >&2
    fi
    echo "$name: $(wc -l <"$work/printed") whole rows, each once"

    # Everything drawn keeps at least 5 mm from every edge of its page.
    pdftoppm -r 50 -png "$work/$name.pdf" "$work/$name-page"
    local margin=$((5 * 50 * 10 / 254)) image width height box
    for image in "$work/$name"-page-*.png; do
        read -r width height box <<<"$(convert "$image" -format '%w %h %@' info:)"
        if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
            local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
            if [ "$x" -lt "$margin" ] || [ "$y" -lt "$margin" ] || [ $((x + w)) -gt $((width - margin)) ] ||
                [ $((y + h)) -gt $((height - margin)) ]; then
                fault "$name: $(basename "$image") is drawn to its edge ($box on ${width}x${height})"
            fi
        fi
    done

    # No picture was turned into pixels: the drawings are vectors with text.
    local images labels drawings
    images=$(pdfimages -list "$work/$name.pdf" | tail -n +3 | wc -l)
    [ "$images" -eq 0 ] || fault "$name: $images raster images in the PDF"
    labels=$(pdftotext "$work/$name.pdf" - | grep -c "^B-C$") || true
    drawings=$(grep -c "<svg " "$work/$name.html")
    [ "$labels" -eq "$drawings" ] || fault "$name: $labels of $drawings drawings with their labels as text"
}

range=(--from 1 --to 100 --step 0.5)
prints mm-a4 A4 mm "thickness 1 to 100 by 0.5 mm, angles 70°, 60°, 45°" "${range[@]}"
prints mm-letter Letter mm "thickness 1 to 100 by 0.5 mm, angles 70°, 60°, 45°" "${range[@]}" --paper letter
prints inch-letter Letter in "thickness 0.25 to 2 by 0.0625 in, angles 70°, 60°, 45°" --from 1/4 --to 2 --step 1/16
# A page break falls one row before the end of this table, unless the rows
# keep together in threes.
prints one-angle A4 mm "thickness 1 to 33 by 1 mm, angles 70°" --from 1 --to 33 --step 1 --angles 70

# On a phone 390 pixels wide nothing reaches past the page's right edge: the
# page is held to that width in a wider window, whose rest must stay blank.
sed 's|</head>|<style>html { width: 390px; }</style></head>|' "$work/mm-a4.html" >"$work/phone.html"
browser --hide-scrollbars --window-size=600,1400 --screenshot="$work/phone.png" "file://$work/phone.html"
past=$(convert "$work/phone.png" -crop 205x1400+395+0 +repage -format '%@' info: 2>/dev/null)
[ "$past" = "0x0+205+1400" ] || fault "on a phone's width the page runs past its right edge ($past)"

finish "every paper prints every row whole under a header, each page named and numbered"
