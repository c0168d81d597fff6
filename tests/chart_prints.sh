#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints angulon-chart's HTML page to PDF with a real browser (Chromium,
# headless) on A4 and on Letter, and reads the pages back: every row of the
# chart whole and present once, the header on every page that has rows,
# nothing cut off at a page's edge, and the drawings kept as vectors (sharp
# at any size) with their labels as text.
# Usage: chart_prints.sh ANGULON_CHART
set -euo pipefail
chart=$1
. "$(dirname "$0")/lib.sh"
work=$scratch

"$chart" --from 1 --to 100 --step 0.5 --unit mm --decimal . --format html -o "$work/chart.html"
"$chart" --from 1 --to 100 --step 0.5 --unit mm --decimal . --format csv | tr -d '\r' | tail -n +2 | tr ',' ' ' |
    sort >"$work/expected"

for paper in A4 Letter; do
    # The paper a print dialog would choose, set as the page's own.
    sed "s|<style>|<style>\n@page { size: $paper; }|" "$work/chart.html" >"$work/$paper.html"
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
        --no-default-browser-check --user-data-dir="$work/profile" --no-pdf-header-footer \
        --print-to-pdf="$work/$paper.pdf" "file://$work/$paper.html" >"$work/chromium.log" 2>&1 ||
        { cat "$work/chromium.log" >&2; fault "$paper: chromium did not print"; continue; }
    info=$(pdfinfo "$work/$paper.pdf")
    pages=$(echo "$info" | sed -n 's/^Pages: *//p')
    size=$(echo "$info" | sed -n 's/^Page size: *//p')
    echo "$paper: $pages pages of $size"
    echo "$size" | grep -qi "($paper)" || fault "$paper: printed on $size"

    : >"$work/rows"
    for page in $(seq "$pages"); do
        text=$(pdftotext -layout -f "$page" -l "$page" "$work/$paper.pdf" -)
        rows=$(echo "$text" | sed -n 's/^ *\([0-9][0-9.]* \+\(70\|60\|45\)\( \+[0-9]\+\.[0-9]\{3\}\)\{4\}\) *$/\1/p' |
            tr -s ' ')
        [ -z "$rows" ] || echo "$rows" >>"$work/rows"
        [ -z "$rows" ] || echo "$text" | grep -q "Thickness (mm) \+Angle \+A-B (mm) \+A-B-C (mm) \+Half skip (mm) \+Full skip (mm)" ||
            fault "$paper: page $page has rows but no header"
    done
    sort "$work/rows" >"$work/printed"
    if ! cmp -s "$work/printed" "$work/expected"; then
        fault "$paper: the printed rows differ from the chart's (< printed, > chart):"
        diff "$work/printed" "$work/expected" | head -20 >&2
    fi
    echo "$paper: $(wc -l <"$work/printed") whole rows, each once"

    # Everything drawn keeps at least 5 mm from every edge of its page.
    pdftoppm -r 50 -png "$work/$paper.pdf" "$work/$paper-page"
    margin=$((5 * 50 * 10 / 254))
    for image in "$work/$paper"-page-*.png; do
        read -r width height box <<<"$(convert "$image" -format '%w %h %@' info:)"
        if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
            w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
            if [ "$x" -lt "$margin" ] || [ "$y" -lt "$margin" ] || [ $((x + w)) -gt $((width - margin)) ] ||
                [ $((y + h)) -gt $((height - margin)) ]; then
                fault "$paper: $(basename "$image") is drawn to its edge ($box on ${width}x${height})"
            fi
        fi
    done

    # No picture was turned into pixels: the drawings are vectors with text.
    images=$(pdfimages -list "$work/$paper.pdf" | tail -n +3 | wc -l)
    [ "$images" -eq 0 ] || fault "$paper: $images raster images in the PDF"
    labels=$(pdftotext "$work/$paper.pdf" - | grep -c "^B-C$") || true
    [ "$labels" -eq 3 ] || fault "$paper: $labels drawings with their labels as text, not 3"
done

finish "both papers print every row whole under a header"
