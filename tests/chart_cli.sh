#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs angulon-chart as a user does and checks what a shell sees: exit
# status, standard output and error, and the file -o names, including when
# the command line is refused or the file cannot be written; that the
# locale's separator is the default; and that the manual page lists the
# options --help lists.
# Usage: chart_cli.sh VERSION MANUAL_PAGE COMMAND...
#   (COMMAND starts angulon-chart: the program, or Wine's launcher and it)
set -u
version=$1
manual=$2
shift 2
program=("$@")

. "$(dirname "$0")/lib.sh"
work=$scratch
cd "$work" || exit 1

# run NAME ARGUMENT... : runs the program, leaving out, err and status.
run() {
    name=$1
    shift
    "$@" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    # Wine writes its console's line ends; the messages are compared as lines.
    tr -d '\r' <"$work/err" >"$work/err.lines"
}
# A refused command line: status 2, one line on standard error, nothing on
# standard output, no file created and an existing one left as it was.
refused() {
    name=$1
    message=$2
    shift 2
    for target in none new existing; do
        rm -f "$work/chart.out"
        case $target in
        none) run "$name" "${program[@]}" "$@" ;;
        new) run "$name" "${program[@]}" "$@" -o chart.out ;;
        existing)
            printf 'kept\n' >"$work/chart.out"
            run "$name" "${program[@]}" "$@" -o chart.out
            ;;
        esac
        [ "$status" -eq 2 ] || fault "$name ($target): exit status $status, not 2"
        [ ! -s "$work/out" ] || fault "$name ($target): wrote to standard output: $(head -c 200 "$work/out")"
        [ "$(cat "$work/err.lines")" = "angulon-chart: $message" ] ||
            fault "$name ($target): said '$(cat "$work/err.lines")', not 'angulon-chart: $message'"
        case $target in
        new) [ ! -e "$work/chart.out" ] || fault "$name: created the file -o names" ;;
        existing) [ "$(cat "$work/chart.out")" = kept ] || fault "$name: changed the file -o names" ;;
        esac
        [ "$(ls "$work")" = "$(ls "$work" | grep -v -e '^chart\.out\.' -e '\.tmp$')" ] ||
            fault "$name ($target): left a temporary file: $(ls "$work")"
    done
}

refused not_a_number "--from: not a number the window reads" --from abc --to 2 --step 1 --decimal .
refused point_under_comma "--to: not a number the window reads" --from 1 --to 2.5 --step 1 --decimal ,
refused unit_contradicts "--from: The Material Thickness Is in Inches but Millimeter Is Selected" \
    --from '1 in' --to '50 mm' --step 10 --unit mm --decimal .
refused thickness_zero "--from: a thickness must be greater than zero" --from 0 --to 1 --step 1 --format xlsx
refused thickness_negative "--from: a thickness must be greater than zero" --from -1 --to 1 --step 1 --decimal .
refused no_exact_decimal "--from: 1/3 has no exact decimal of at most six places" --from 1/3 --to 1 --step 1/3
refused step_zero "--step: the step must be greater than zero" --from 1 --to 2 --step 0 --decimal .
refused from_above_to "--from: greater than the end of the range" --from 3 --to 2 --step 1 --decimal .
refused angle_not_in_table "--angles: 30: Please Choose a Refracted Angle of 70, 60 or 45" \
    --from 1 --to 2 --step 1 --angles 70,30 --decimal .
refused angle_twice "--angles: 70 is given twice" --from 1 --to 2 --step 1 --angles 70,070
refused angle_missing "--angles: an angle is missing between the commas" --from 1 --to 2 --step 1 --angles 60,
refused too_many_thicknesses "--step: more than 10000 thicknesses" --from 0.1 --to 1000.1 --step 0.1 --decimal .
refused unknown_option "--colour: unknown option (see angulon-chart --help)" --from 1 --to 2 --step 1 --colour red
refused unknown_format "--format: must be text, csv, html or xlsx (see angulon-chart --help)" \
    --from 1 --to 2 --step 1 --format pdf

# A chart written: the same bytes to standard output and to -o.
run csv_out "${program[@]}" --from 20 --to 21 --step 1 --angles 70 --unit mm --decimal . --format csv
[ "$status" -eq 0 ] || fault "csv: exit status $status: $(cat "$work/err.lines")"
printf 'Thickness (mm),Angle,A-B (mm),A-B-C (mm),Half skip (mm),Full skip (mm)\r\n20,70,58.480,116.959,54.948,109.895\r\n21,70,61.404,122.807,57.695,115.389\r\n' >"$work/expected"
cmp -s "$work/out" "$work/expected" || fault "csv: standard output was: $(od -c "$work/out" | head -5)"
printf 'old\n' >"$work/chart.csv"
run csv_file "${program[@]}" --from 20 --to 21 --step 1 --angles 70 --unit mm --decimal . --format csv -o chart.csv
[ "$status" -eq 0 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ] || fault "csv -o: status $status, said $(cat "$work/err")"
cmp -s "$work/chart.csv" "$work/expected" || fault "csv -o: the file holds $(od -c "$work/chart.csv" | head -5)"

[ "$(ls "$work" | grep -c -e '^chart\.csv\.' -e '\.tmp$')" -eq 0 ] || fault "csv -o: left $(ls "$work")"
run csv_dash "${program[@]}" --from 20 --to 21 --step 1 --angles 070 --unit mm --decimal . --format csv -o -
cmp -s "$work/out" "$work/expected" && [ ! -e "$work/-" ] || fault "-o -: status $status, wrote $(ls "$work")"

# What is at the path is kept for what it is: a device or a pipe is
# written to, a symbolic link's target is replaced and the link kept.
if [ ${#program[@]} -eq 1 ]; then
    csv=(--from 20 --to 21 --step 1 --angles 70 --unit mm --decimal . --format csv)
    if mknod "$work/null" c 1 3 2>/dev/null && mknod "$work/full" c 1 7; then
        run device "${program[@]}" "${csv[@]}" -o null
        [ "$status" -eq 0 ] && [ -c "$work/null" ] || fault "-o to a device: status $status, now $(ls -l "$work/null")"
        run full_device "${program[@]}" "${csv[@]}" -o full
        [ "$status" -eq 1 ] && [ -c "$work/full" ] && [ "$(cat "$work/err.lines")" = "angulon-chart: cannot write full: No space left on device" ] ||
            fault "-o to a full device: status $status, said '$(cat "$work/err.lines")', now $(ls -l "$work/full")"
    else
        say "no device nodes can be made here (not root); devices are not tried"
    fi
    mkfifo "$work/pipe"
    timeout 20 cat "$work/pipe" >"$work/piped" &
    run pipe "${program[@]}" "${csv[@]}" -o pipe
    wait $! || fault "-o to a pipe: nothing was written to it"
    [ "$status" -eq 0 ] && [ -p "$work/pipe" ] && cmp -s "$work/piped" "$work/expected" ||
        fault "-o to a pipe: status $status, read $(head -c 100 "$work/piped"), now $(ls -l "$work/pipe")"
    mkdir "$work/sub"
    printf 'old\n' >"$work/target.csv"
    ln -s ../target.csv "$work/sub/link.csv"
    ln -s new.csv "$work/dangling.csv"
    for link in sub/link.csv dangling.csv; do
        run link "${program[@]}" "${csv[@]}" -o "$link"
        [ "$status" -eq 0 ] && [ -L "$work/$link" ] || fault "-o $link: status $status, now $(ls -l "$work/$link")"
    done
    cmp -s "$work/target.csv" "$work/expected" && cmp -s "$work/new.csv" "$work/expected" ||
        fault "-o through a link: its target holds $(head -c 100 "$work/target.csv")"
    # A spreadsheet is made in the temporary folder first; without one, nothing is written.
    TMPDIR=$work/missing run no_temporary "${program[@]}" --from 1 --to 2 --step 1 --format xlsx -o target.csv
    [ "$status" -eq 1 ] && cmp -s "$work/target.csv" "$work/expected" ||
        fault "xlsx without a temporary folder: status $status, said '$(cat "$work/err.lines")'"
fi

# A spreadsheet read back by unzip and printf, not by the program: one sheet
# per angle, its header frozen, the title and range in the document's
# properties, and every row's cells numbers that, shown with the decimals of
# their formats, read as the CSV's cells.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 run xlsx "${program[@]}" --from 6 --to 7 --step 0,5 --angles 70,45 --unit mm \
    --format xlsx -o chart.xlsx
[ "$status" -eq 0 ] || fault "xlsx: status $status: $(cat "$work/err.lines")"
part() { unzip -p "$work/chart.xlsx" "$1" | tr -d '\r\n'; }
part xl/workbook.xml | grep -q '<sheet name="70°" sheetId="1" r:id="rId1"/><sheet name="45°" sheetId="2" r:id="rId2"/></sheets>' ||
    fault "xlsx: sheets $(part xl/workbook.xml | grep -o '<sheets>.*</sheets>')"
part docProps/core.xml | grep -q '<dc:title>Angulon chart</dc:title><dc:subject>thickness 6 to 7 by 0,5 mm, angles 70°, 45°</dc:subject>' ||
    fault "xlsx: properties $(part docProps/core.xml)"
# The decimals each cell style shows: its number format's digits after the point.
part xl/styles.xml | grep -o '<cellXfs.*</cellXfs>' | grep -o '<xf [^>]*>' | sed 's/.*numFmtId="\([0-9]*\)".*/\1/' >"$work/xfs"
while read -r id; do
    code=$(part xl/styles.xml | grep -o "<numFmt numFmtId=\"$id\" formatCode=\"[0.]*\"" | sed 's/.*formatCode="//; s/"$//')
    decimals=${code#*.}
    [ "$code" = "$decimals" ] && decimals=
    echo ${#decimals}
done <"$work/xfs" >"$work/decimals"
for sheet in 1 2; do
    part "xl/worksheets/sheet$sheet.xml" | grep -q '<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>' ||
        fault "xlsx: sheet $sheet has no frozen header"
        part "xl/worksheets/sheet$sheet.xml" | grep -o '<row r="[0-9]*"[^>]*>\(<c [^>]*><v>[^<]*</v></c>\)*</row>' |
        grep -v '^<row r="1"' | while IFS= read -r row; do
            shown=
            while read -r style value; do
                shown+="${shown:+;}$(LC_ALL=C printf "%.$(sed -n "$((style + 1))p" "$work/decimals")f" "$value" | tr . ,)"
            done < <(echo "$row" | sed 's|^<row[^>]*>||; s|<c r="[A-Z]*[0-9]*" s="\([0-9]*\)"><v>\([^<]*\)</v></c>|\1 \2\n|g' | grep ' ')
            echo "$shown"
        done >>"$work/xlsx.rows"
done
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "${program[@]}" --from 6 --to 7 --step 0,5 --angles 70,45 --unit mm --format csv |
    tr -d '\r' | tail -n +2 | sort -t';' -k2,2r -s >"$work/csv.rows"
cmp -s "$work/xlsx.rows" "$work/csv.rows" || fault "xlsx: cells read back as $(cat "$work/xlsx.rows"), not $(cat "$work/csv.rows")"
# A file replaced keeps its permissions; a new one gets those of any new
# file. (Wine has no such permissions to keep.)
if [ ${#program[@]} -eq 1 ]; then
    chmod 640 "$work/chart.csv"
    (umask 022 && "${program[@]}" --from 1 --to 2 --step 1 -o chart.csv && "${program[@]}" --from 1 --to 2 --step 1 -o new.txt)
    [ "$(stat -c %a "$work/chart.csv")" = 640 ] || fault "-o over a file: permissions $(stat -c %a "$work/chart.csv"), not 640"
    [ "$(stat -c %a "$work/new.txt")" = 644 ] || fault "-o new file: permissions $(stat -c %a "$work/new.txt"), not 644"
fi

# A file that cannot be written: status 1, a message, nothing half-done.
run missing_folder "${program[@]}" --from 1 --to 2 --step 1 -o missing/chart.txt
[ "$status" -eq 1 ] || fault "missing folder: exit status $status, not 1"
grep -q '^angulon-chart: cannot create a file beside missing/chart.txt: ' "$work/err.lines" ||
    fault "missing folder: said '$(cat "$work/err.lines")'"
mkdir "$work/folder"
run folder_in_the_way "${program[@]}" --from 1 --to 2 --step 1 -o folder
[ "$status" -eq 1 ] || fault "folder in the way: exit status $status, not 1"
grep -q '^angulon-chart: cannot replace folder: ' "$work/err.lines" ||
    fault "folder in the way: said '$(cat "$work/err.lines")'"
[ "$(ls "$work" | grep -c -e '^folder\.' -e '\.tmp$')" -eq 0 ] || fault "folder in the way: left $(ls "$work")"
if [ -w /dev/full ]; then
    "${program[@]}" --from 1 --to 2 --step 1 >/dev/full 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fault "full disk: exit status $status, not 1"
    grep -q '^angulon-chart: cannot write to standard output: ' "$work/err" || fault "full disk: said '$(cat "$work/err")'"
fi

# The locale's separator unless --decimal says otherwise.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 run german "${program[@]}" --from 0,5 --to 0,5 --step 1 --angles 60 --format csv
grep -q '^0,5;60;1,000;2,000;0,866;1,732' "$work/out" || fault "German locale: printed $(cat "$work/out") $(cat "$work/err")"
LC_ALL=C LANG=C run c_locale "${program[@]}" --from 0.5 --to 0.5 --step 1 --angles 60 --format csv
grep -q '^0.5,60,1.000,2.000,0.866,1.732' "$work/out" || fault "C locale: printed $(cat "$work/out") $(cat "$work/err")"

# --version, and --help against the manual page's OPTIONS, in order.
run version "${program[@]}" --version
[ "$(tr -d '\r' <"$work/out")" = "angulon-chart $version" ] || fault "--version printed $(cat "$work/out")"
run help "${program[@]}" --help
[ "$status" -eq 0 ] || fault "--help: exit status $status: $(cat "$work/err.lines")"
helped=$(tr -d '\r' <"$work/out" | sed -n 's/^  \(-[-a-z]*\).*/\1/p' | tr '\n' ' ')
documented=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$manual" | sed -n 's/^\.BI\{0,1\} \(\\-[-\\a-z]*\).*/\1/p' |
    sed 's/\\-/-/g' | tr '\n' ' ')
[ -n "$helped" ] && [ "$helped" = "$documented" ] ||
    fault "--help lists '$helped', the manual page '$documented'"

finish "every case passed"
