#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints angulon-chart's HTML page to PDF with a real browser (Chromium,
# headless) on A4 and on Letter, and reads the pages back: the paper asked
# for; every row of the chart whole and present once; on every page the
# chart's title and range at the top, the angle of the table on it, and the
# program and "page N of M" at the foot; the header and at least three rows
# on every page; nothing cut off at a page's edge; the drawings kept as
# vectors (sharp at any size) with their labels as text. Then shows the page
# on a phone's width and checks that nothing runs off its right edge, and
# reads the xlsx's print settings back with unzip.
# Usage: chart_prints.sh ANGULON_CHART
set -euo pipefail
chart=$1
. "$(dirname "$0")/lib.sh"
cd "$scratch"

browser() {
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
        --no-default-browser-check --user-data-dir="$scratch/profile" "$@" >chromium.log 2>&1 || { cat chromium.log >&2; fail "chromium did not finish: $*"; }
}

# prints NAME PAPER PAGES UNIT TITLE CHART_OPTION...: prints the chart to
# NAME.pdf and checks its pages; PAPER is the size the PDF must have, PAGES
# how many it has (a table that fits a page is not spread over two).
prints() {
    local name=$1 paper=$2 count=$3 unit=$4 title=$5 margin=9 page text rows width height box image && shift 5
    "$chart" "$@" --unit "$unit" --decimal . --format html -o "$name.html"
    browser --no-pdf-header-footer --print-to-pdf="$scratch/$name.pdf" "file://$scratch/$name.html"
    local pages header="Thickness ($unit) \+Angle \+A-B ($unit) \+A-B-C ($unit) \+Half skip ($unit) \+Full skip ($unit)"
    pages=$(pdfinfo "$name.pdf" | sed -n 's/^Pages: *//p')
    expect "$name: paper, pages" "$(pdfinfo "$name.pdf" | sed -n 's/^Page size: .*(\(.*\))$/\1/p' | tr '[:upper:]' '[:lower:]') $pages" "${paper,,} $count"
    : >rows
    for page in $(seq "$pages"); do
        text=$(pdftotext -layout -f "$page" -l "$page" "$name.pdf" -)
        rows=$(sed -n 's/^ *\([0-9][0-9.]* \+\(70\|60\|45\)\( \+[0-9]\+\.[0-9]\{3\}\)\{4\}\) *$/\1/p' <<<"$text" | tr -s ' ')
        echo "$rows" >>rows
        # Here-strings, not pipes: under pipefail, a grep -q or head that is
        # done early would fail the check by the writer's broken pipe.
        expect "$name: page $page (top, header, foot, three rows or more)" \
            "$(tr -s ' ' <<<"${text%%$'\n'*}")|$(grep -c "$header" <<<"$text")|$(grep -c "^Written by angulon-chart .*  page $page of $pages$" <<<"$text")|$(($(grep -c . <<<"$rows") >= 3))" \
            "Angulon chart: $title $(cut -d' ' -f2 <<<"$rows" | sort -u | paste -sd' ')° probe|1|1|1"
    done
    expect "$name: the rows printed (<) against the chart's (>)" \
        "$(sort rows | diff - <(csv_rows "$chart" "$@" --unit "$unit" --decimal . | tr ',' ' ' | sort) | head -20)" ""

    # Everything drawn keeps at least 5 mm (9 pixels at 50 dpi) from every edge of its page.
    pdftoppm -r 50 -png "$name.pdf" "$name-page"
    for image in "$name"-page-*.png; do
        read -r width height box <<<"$(convert "$image" -format '%w %h %@' info:)"
        [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || continue
        local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
        expect "$name: $image, $box on ${width}x${height}, within its margins" \
            "$((x >= margin && y >= margin && x + w <= width - margin && y + h <= height - margin))" 1
    done

    # No picture was turned into pixels: the drawings are vectors with text.
    expect "$name: raster images, drawings with their labels as text" "$(pdfimages -list "$name.pdf" | tail -n +3 | wc -l) $(pdftotext "$name.pdf" - | grep -c "^B-C$" || true)" \
        "0 $(grep -c "<svg " "$name.html")"
}

prints mm-a4 A4 15 mm "thickness 1 to 100 by 0.5 mm, angles 70°, 60°, 45°" --from 1 --to 100 --step 0.5
prints mm-letter Letter 15 mm "thickness 1 to 100 by 0.5 mm, angles 70°, 60°, 45°" --from 1 --to 100 --step 0.5 --paper letter
prints inch-letter Letter 3 in "thickness 0.25 to 2 by 0.0625 in, angles 70°, 60°, 45°" --from 1/4 --to 2 --step 1/16
# A page break falls one row before the end of this table, unless the rows
# keep together in threes.
prints one-angle A4 2 mm "thickness 1 to 34 by 1 mm, angles 70°" --from 1 --to 34 --step 1 --angles 70

# The xlsx prints as the page does: each sheet one page wide on the paper
# asked for, its header row on every page, the chart named at the top of each
# page and the program and "page N of M" at its foot; the program its author.
xlsx() { "$chart" --from 1 --to 2 --step 1 --angles 60 --paper "$1" --format xlsx -o "$1.xlsx" && unzip -p "$1.xlsx" xl/worksheets/sheet1.xml xl/workbook.xml docProps/core.xml | grep -o '<dc:creator>.*</dc:creator>\|<definedName .*</definedName>\|<pageSetUpPr [^>]*>\|<pageSetup [^>]*>\|<headerFooter>.*</headerFooter>' | sed 's/angulon-chart [0-9.]*\./angulon-chart V./' | paste -sd'|'; }
expect "xlsx print settings on A4 (and the paper on Letter)" "$(xlsx a4)|$(xlsx letter | grep -o 'paperSize="[0-9]*"')" \
    "<pageSetUpPr fitToPage=\"1\"/>|<pageSetup paperSize=\"9\" fitToHeight=\"0\" orientation=\"portrait\"/>|<headerFooter><oddHeader>&amp;LAngulon chart: thickness 1 to 2 by 1 in, angles 60°&amp;R60° probe</oddHeader><oddFooter>&amp;LWritten by angulon-chart V.&amp;Rpage &amp;P of &amp;N</oddFooter></headerFooter>|<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">'60°'!\$1:\$1</definedName>|<dc:creator>angulon-chart</dc:creator>|paperSize=\"1\""

# On a phone 390 pixels wide nothing reaches past the page's right edge: the
# page is held to that width in a wider window, whose rest must stay blank.
sed 's|</head>|<style>html { width: 390px; }</style></head>|' mm-a4.html >phone.html
browser --hide-scrollbars --window-size=600,1400 --screenshot="$scratch/phone.png" "file://$scratch/phone.html"
expect "on a phone's width, what is drawn past its right edge" \
    "$(convert phone.png -crop 205x1400+395+0 +repage -format '%@' info: 2>/dev/null)" "0x0+205+1400"

finish "every paper prints every row whole under a header, each page named and numbered"
