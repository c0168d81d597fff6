#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs angulon-chart and angulon-locate as a user does and checks what a
# shell sees: exit status, standard output and error, and the file -o names,
# including when the command line is refused or the file cannot be written;
# that the locale's separator is the default; and that each manual page
# lists the options --help lists.
# Usage: chart_cli.sh VERSION MANUAL_FOLDER LOCATE COMMAND...
#   (COMMAND starts angulon-chart: the program, or Wine's launcher and it;
#   LOCATE is angulon-locate, started the same way)
set -u
version=$1 manuals=$2 program=("${@:4}")
locator=("${program[@]:0:${#program[@]}-1}" "$3")
. "$(dirname "$0")/lib.sh"
cd "$scratch" || exit 1
chart() { run "${program[@]}" "$@"; }
german() { LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$@"; }
# The files here, but for those the runs leave.
files() { ls | tr '\n' ' '; }

# A refused command line: status 2, one line on standard error naming the
# option, nothing on standard output, no file created and an existing one
# left as it was, no temporary file left.
refused() {
    local message=$1 target kept && shift
    for target in new existing; do
        kept=$(rm -f chart.out && [ $target = existing ] && echo kept | tee chart.out)
        chart "$@" -o chart.out
        expect "$* ($target)" "$status|$(cat .out)|$err|$(files)|$(cat chart.out 2>/dev/null)" "2||angulon-chart: $message|${kept:+chart.out }|$kept"
    done
}
refused "--from: not a number, such as 6.5 or 1 1/4" --from abc --to 2 --step 1 --format xlsx
refused "--to: not a number, such as 6,5 or 1 1/4" --from 1 --to 2.5 --step 1 --decimal ,
refused "--angles: no angle given" --from 1 --to 2 --step 1 --angles ""
refused "--format: must be text, csv, html or xlsx (see angulon-chart --help)" --from 1 --to 2 --step 1 --format pdf
rm chart.out

# A chart written: the same bytes to standard output, to the file -o names
# (replacing what was there, leaving no temporary file).
csv=(--from 20 --to 21 --step 1 --angles 70 --unit mm --decimal . --format csv)
chart "${csv[@]}" && cp .out expected
expect "csv" "$status|$err|$(wc -l <expected)" "0||3"
printf 'old\n' >chart.csv && chart "${csv[@]}" -o chart.csv
expect "-o FILE" "$status|$(cat .out)$err|$(cmp chart.csv expected)|$(files)" "0|||chart.csv expected "

# What is at the path is kept for what it is: a device or a pipe is
# written to (a full device failing), a symbolic link's target is replaced and
# the link kept. (Not under Wine.)
if [ ${#program[@]} -eq 1 ]; then
    if mknod full c 1 7 2>/dev/null; then
        chart "${csv[@]}" -o full
        expect "-o to a full device" "$status|$err|$(stat -c %F full)" "1|angulon-chart: cannot write full: No space left on device|character special file"
    else
        say "no device nodes can be made here (not root); devices are not tried"
    fi
    mkfifo pipe && { timeout 20 cat pipe >piped & }
    chart "${csv[@]}" -o pipe
    wait $! || fault "-o to a pipe: nothing was written to it"
    expect "-o to a pipe" "$status|$(stat -c %F pipe)|$(cmp piped expected)" "0|fifo|"
    mkdir sub && printf 'old\n' >target.csv && ln -s ../target.csv sub/link.csv && ln -s new.csv dangling.csv
    for link in sub/link.csv dangling.csv; do
        chart "${csv[@]}" -o "$link"
        expect "-o $link" "$status|$(stat -c %F "$link")|$(cmp "$link" expected)" "0|symbolic link|"
    done
    # A spreadsheet is made in the temporary folder first; without one, nothing is written.
    TMPDIR=$PWD/missing chart --from 1 --to 2 --step 1 --format xlsx -o target.csv
    expect "xlsx without a temporary folder" "$status|$(cmp target.csv expected)" "1|"
    expect "-o with no room" "$(ulimit -f 1 && trap '' XFSZ && chart --from 1 --to 99 --step 1 -o big.csv; echo "$status|$err|$(ls big.csv* 2>/dev/null)")" "1|angulon-chart: cannot write big.csv: File too large|"
    expect "xlsx to a terminal" "$(script -qec "$(printf '%q ' "${program[@]}") --from 1 --to 2 --step 1 --format XLSX" /dev/null)|$?" \
        "angulon-chart: --format: xlsx is not written to a terminal; give a file with -o"$'\r|2'

    # As a shell's > would, for a user and for root: a file the user may not write is refused; one they may is written in
    # place where its folder is closed or a new file would lose its owner or hard links, else replaced (a new inode).
    user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; } && root() { "$@"; }
    if [ "$(id -u)" -ne 0 ] || ! chmod 755 . || ! user "${program[@]}" --version >/dev/null; then
        say "not root, or user 65534 cannot run ${program[0]}: -o is not tried as a user and over another's file"
    else
        mkdir own closed && seq 1000 | tee own/shared.csv closed/shared.csv other.csv single.csv >/dev/null && umask 022
        echo precious >own/keep.csv && chmod 444 own/keep.csv && chmod 666 ./*/shared.csv && chmod 640 other.csv single.csv
        ln other.csv alias.csv && chown 65534:65534 own own/keep.csv other.csv single.csv && inode=$(stat -c %i single.csv)
        for row in "user|1|cannot write own/keep.csv: Permission denied|own/keep.csv|nobody:444:1:precious" \
            "user|0||own/shared.csv|root:666:1:chart" "user|0||closed/shared.csv|root:666:1:chart" \
            "root|0||other.csv alias.csv|nobody:640:2:chart nobody:640:2:chart" "root|0||single.csv|nobody:640:1:chart" \
            "root|0||fresh.csv|root:644:1:chart"; do
            IFS='|' read -r as code message names wanted <<<"$row" && got=
            run "$as" "${program[@]}" "${csv[@]}" -o "${names%% *}" && for name in $names; do
                content=chart && cmp -s "$name" expected || content=$(head -n 1 "$name") && got+=" $(stat -c %U:%a:%h "$name"):$content"; done
            expect "-o ${names%% *} as $as" "$status|$err|${got# }" "$code|${message:+angulon-chart: }$message|$wanted"
        done
        [ "$(stat -c %i single.csv)" != "$inode" ] || fault "-o single.csv as root: written in place, not replaced whole"
    fi
fi

# A spreadsheet read back by unzip and awk, not by the program: one sheet
# per angle, its header frozen, the title and range in the document's
# properties, and every row's cells numbers that, shown with the decimals of
# their styles' formats, read as the CSV's cells.
german chart --from 6 --to 7 --step 0,5 --angles 70,45 --unit mm --format xlsx -o chart.xlsx
part() { unzip -p chart.xlsx "$1" | tr -d '\r\n'; }
expect "xlsx (sheets, properties, frozen headers)" "$status|$err|$(part xl/workbook.xml | grep -o '<sheets>.*</sheets>')|$(part docProps/core.xml | grep -o '<dc:title>.*</dc:subject>')|$(part 'xl/worksheets/sheet*.xml' | grep -o '<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>' | wc -l)" \
    '0||<sheets><sheet name="70°" sheetId="1" r:id="rId1"/><sheet name="45°" sheetId="2" r:id="rId2"/></sheets>|<dc:title>Angulon chart</dc:title><dc:subject>thickness 6 to 7 by 0,5 mm, angles 70°, 45°</dc:subject>|2'
{ part xl/styles.xml; part xl/worksheets/sheet1.xml; part xl/worksheets/sheet2.xml; } | LC_ALL=C awk -v RS='<' '
    function attr(name) { return match($0, name "=\"[^\"]*\"") ? substr($0, RSTART + length(name) + 2, RLENGTH - length(name) - 3) : "" }
    /^numFmt / { code = attr("formatCode"); places[attr("numFmtId")] = index(code, ".") ? length(code) - index(code, ".") : 0 }
    /^cellXfs/ { xfs = 1 } /^\/cellXfs/ { xfs = 0 }
    xfs && /^xf / { style[n++] = places[attr("numFmtId")] + 0 }
    /^c / { number = $0 !~ / t="/; s = attr("s") }
    /^v>/ && number { cell = sprintf("%." style[s] "f", substr($0, 3)); sub(/\./, ",", cell); line = line (line == "" ? "" : ";") cell }
    /^\/row>/ && line != "" { print line; line = "" }' >xlsx.rows
german csv_rows "${program[@]}" --from 6 --to 7 --step 0,5 --angles 70,45 --unit mm | sort -t';' -k2,2r -s >csv.rows
expect "xlsx cells (and the CSV's six rows)" "$(cat xlsx.rows)|$(wc -l <csv.rows)" "$(cat csv.rows)|6"

# A file that cannot be written: status 1, a message, nothing half-done.
mkdir folder && for target in missing/chart.txt folder; do
    chart --from 1 --to 2 --step 1 -o $target
    expect "-o $target" "$status|${err%%: [A-Z]*}|$(find . -maxdepth 1 \( -name 'folder.*' -o -name '*.tmp' \))" \
        "1|angulon-chart: cannot $([ $target = folder ] && echo write folder: it is a folder || echo create a file beside $target)|"
done
if [ -w /dev/full ]; then
    "${program[@]}" --from 1 --to 2 --step 1 >/dev/full 2>.err
    expect "full disk" "$?|$(cut -d: -f1-2 .err)" "1|angulon-chart: cannot write to standard output"
fi

# A pipe's chart: a wall the beam reaches and one it misses (25 mm in a 100 mm radius, at 45 and 60 degrees).
od=(--od 200 --from 25 --to 25 --step 1 --angles "45,60" --unit mm --decimal .)
chart "${od[@]}" --format csv
expect "--od csv" "$status|$(tr '\r\n' '~^' <.out)" "0|Thickness (mm),Angle,A-B (mm),A-B-C (mm),Half skip (mm),Full skip (mm),Angle at ID~^25,45,45.711,91.421,44.556,89.112,70.529~^25,60,,,,,misses~^"
chart "${od[@]}" --format xlsx -o od.xlsx
expect "--od xlsx" "$status|$(unzip -p od.xlsx xl/sharedStrings.xml | grep -o '<t>[^<]*</t>' | tail -n 2 | tr -d '\n')" "0|<t>Angle at ID</t><t>misses</t>"

# angulon-locate as a user types it: the arguments, standard input (\n between lines), then the exit status, standard
# output and error (~ a carriage return, ^ a line end). Published: 19.2 deep, 31.7 along the surface in the pipe;
# 15.2 and 24.8 in the plate; 48.6 degrees the largest angle that reaches in 6 in by 3/4 in; A-B 58.476 at 20 mm and 70.
while IFS='|' read -r name arguments input wanted; do
    eval "set -- $arguments" && printf '%b' "$input" >located.in
    "${locator[@]}" "$@" <located.in >.out 2>.err
    expect "angulon-locate: $name" "$?|$(tr '\r\n' '~^' <.out)|$(tr -d '\r' <.err | tr '\n' '^')" "${wanted/\$version/$version}"
done <<'EOF'
pipe_csv|--od 200 --wall 20 --angle 45 --unit mm --format CSV 35||0|Sound path (mm),Leg,Depth (mm),Surface distance (mm)~^35.000,2,19.188,31.736~^|
plate_stdin_blank_lines|--wall 20 --angle 45 --unit mm --format csv --decimal .|35\n\n  \n10\r\n|0|Sound path (mm),Leg,Depth (mm),Surface distance (mm)~^35.000,2,15.251,24.749~^10.000,1,7.071,7.071~^|
plate_text|--wall 20 --angle 70 --unit mm 10||0|Flat plate: meets the back wall at 70.000°^A-B 58.476 mm, half skip 54.950 mm^A-B-C 116.952 mm, full skip 109.899 mm^^Sound path (mm)  Leg  Depth (mm)  Surface distance (mm)^         10.000    1       3.420                  9.397^|
inch_fractions_miss|--od 6 --wall "3/4 in" --angle 60 "1 1/2" 0||0|Misses the inside wall^Deepest 0.402 in, at a sound path of 1.500 in^Reaches a wall of at most 0.402 in, or at most 48.590° here^^Sound path (in)  Leg  Depth (in)  Surface distance (in)^          1.500    1       0.402                  1.571^          0.000    1       0.000                  0.000^|
decimal_comma|--wall 20 --angle 68,5 --decimal , --unit mm --format csv 35,5||0|Sound path (mm);Leg;Depth (mm);Surface distance (mm)~^35,500;1;13,011;33,030~^|
bad_line_after_good|--wall 20 --angle 45 --decimal .|10\n20\nabc\n|2||angulon-locate: line 3: abc: not a number, such as 6.5 or 1 1/4^
wall_zero|--wall 0 --angle 45 1||2||angulon-locate: --wall: must be above zero^
od_twice_wall|--od 40 --wall 20 --angle 45 1||2||angulon-locate: --od: must be more than twice the wall^
angle_90|--wall 20 --angle 90 1||2||angulon-locate: --angle: must be a number above 0 and below 90^
path_negative|--wall 20 --angle 45 10 -3||2||angulon-locate: -3: must not be negative^
path_not_a_number|--wall 20 --angle 45 --decimal . 1..2||2||angulon-locate: 1..2: not a number, such as 6.5 or 1 1/4^
unit_other|--wall 20 --angle 45 "3 mm"||2||angulon-locate: 3 mm: in mm, not the unit chosen^
angle_missing|--wall 20 1||2||angulon-locate: --angle: is missing (see angulon-locate --help)^
wall_missing|--angle 45 1||2||angulon-locate: --wall: is missing (see angulon-locate --help)^
version|--version||0|angulon-locate $version^|
EOF

# --version, and --help against the manual page's OPTIONS, in order.
chart --version && expect "--version" "$(tr -d '\r' <.out)" "angulon-chart $version"
for name in angulon-chart angulon-locate; do
    if [ $name = angulon-chart ]; then chart --help; else run "${locator[@]}" --help; fi
    helped=$(tr -d '\r' <.out | sed -n 's/^  \(-[-a-z]*\).*/\1/p' | tr '\n' ' ')
    documented=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$manuals/$name.1" | sed -n 's/^\.BI\{0,1\} \(\\-[-\\a-z]*\).*/\1/p' | sed 's/\\-/-/g' | tr '\n' ' ')
    expect "$name --help against the manual page" "$status|$helped" "0|${documented:-none}"
done

finish "every case passed"
