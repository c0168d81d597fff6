#!/bin/sh
# SPDX-License-Identifier: MIT
# Unpacks the Debian package into a scratch root (no root rights, nothing
# touches the system) and checks what an installation would give a desktop:
# the package's version, library dependencies and recommended fonts, the
# files its menu needs, that the command of its desktop entry starts the
# program and brings up the main window, that the command-line programs and
# their manual pages (headed with the version and the metainfo's release
# date) work, and that the browser page is there as built.
# Usage: package_starts.sh PACKAGE_DIR VERSION APP_ID LICENSE SITE
set -eu
package_dir=$1 version=$2 app_id=$3 license=$4 site=$5
. "$(dirname "$0")/../lib.sh"

deb=$(ls "$package_dir"/angulon_"$version"_*.deb 2>/dev/null | head -n 1 | grep .) || fail "no angulon_${version}_*.deb in $package_dir"
expect "the package's version" "$(dpkg-deb -f "$deb" Version)" "$version"
for need in Depends:libqt6widgets6 Depends:libqt6gui6 Depends:libqt6core6 Depends:libc6 Depends:libstdc++6 Recommends:fonts-liberation2 Recommends:fonts-wine; do
    dpkg-deb -f "$deb" "${need%:*}" | grep -q "\\b${need#*:}\\b" || fault "${need%:*} lacks ${need#*:}"
done

root=$scratch/root entry=usr/share/applications/$app_id.desktop manuals=usr/share/man/man1
dpkg-deb -x "$deb" "$root"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$root/$entry") || fail "the package has no /$entry"
# Nothing else rides along (test programs, libraries of the build tools).
# shellcheck disable=SC2046 # a pattern for each icon size
only_files "$root" usr/bin/angulon usr/bin/angulon-chart usr/bin/angulon-locate "$manuals/angulon-chart.1.gz" \
    "$manuals/angulon-locate.1.gz" "$entry" \
    "${metainfo#"$root/"}" usr/share/doc/angulon/LICENSE usr/share/doc/angulon/copyright 'usr/share/angulon/web/*' \
    $(for size in 16 24 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x$size/apps/$icon.png"; done)
diff -r "$site" "$root/usr/share/angulon/web" || fault "the package's /usr/share/angulon/web is not the site as built"

# The copyright file parses as Debian's machine-readable format (python3-debian
# refuses anything else) and carries LICENSE's notice and text.
/usr/bin/python3 - "$root/usr/share/doc/angulon/copyright" "$license" <<'EOF' || fault "copyright: see above"
import re, sys
from debian.copyright import Copyright
files = Copyright(open(sys.argv[1], encoding="utf-8"), strict=True).find_files_paragraph("angulon")
notice, text = re.match(r"MIT License\s+Copyright \(c\) (.+?)\n\n(.*)", open(sys.argv[2], encoding="utf-8").read(), re.S).groups()
assert (files.copyright, files.license.synopsis, files.license.text.strip()) == (notice, "Expat", text.strip()), files.dump()
EOF

# The menu runs the entry's Exec line with the installed programs on PATH.
command=$(sed -n 's/^Exec=//p' "$root/$entry")
# shellcheck disable=SC2086 # the command line is split as the menu splits it
output=$(PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen ANGULON_EXIT_WHEN_SHOWN=1 timeout 60 $command) ||
    fault "'$command' from the unpacked package failed (exit $?)"
echo "$output" | grep -qx "angulon $version: main window \"Angulon\" shown" || fault "'$command' printed: $output"

# The chart program runs from the package; its manual page renders without a
# complaint from groff.
expect "angulon-chart's row" "$("$root/usr/bin/angulon-chart" --from 20 --to 20 --step 1 --angles 70 --unit mm --decimal . \
    --format csv | sed -n '2s/\r$//p')" "20,70,58.480,116.959,54.948,109.895"
expect "angulon-locate's row" "$("$root/usr/bin/angulon-locate" --od 200 --wall 20 --angle 45 --unit mm --decimal . \
    --format csv 35 | sed -n '2s/\r$//p')" "35.000,2,19.188,31.736"
date=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\)\".*/\1/p" "$metainfo")
for name in angulon-chart angulon-locate; do
    expect "$name's manual page's heading" "$(zcat "$root/$manuals/$name.1.gz" | sed -n 's/^\.TH //p')" \
        "$(echo "$name" | tr '[:lower:]' '[:upper:]') 1 $date \"Angulon $version\" \"User Commands\""
    expect "groff's complaints on $name" "$(zcat "$root/$manuals/$name.1.gz" | groff -man -Tutf8 -ww 2>&1 >/dev/null)" ""
done
finish "the package installs and starts; its command-line programs and manual pages work"
