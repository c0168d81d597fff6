#!/bin/sh
# SPDX-License-Identifier: MIT
# Unpacks the Debian package into a scratch root (no root rights, nothing
# touches the system) and checks what an installation would give a desktop:
# the package's version and library dependencies, the files its menu needs,
# that the command of its desktop entry starts the program and brings up
# the main window, that the chart program and its manual page work, and that
# the browser page is there as built.
# Usage: package_starts.sh PACKAGE_DIR VERSION APP_ID LICENSE SITE
set -eu
package_dir=$1
version=$2
app_id=$3
license=$4
site=$5
. "$(dirname "$0")/../lib.sh"

deb=$(ls "$package_dir"/angulon_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no angulon_${version}_*.deb in $package_dir"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
done

root=$scratch
dpkg-deb -x "$deb" "$root"

entry="$root/usr/share/applications/$app_id.desktop"
for file in usr/bin/angulon usr/bin/angulon-chart usr/share/man/man1/angulon-chart.1.gz "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/doc/angulon/LICENSE usr/share/doc/angulon/copyright; do
    [ -f "$root/$file" ] || fail "the package has no /$file"
done
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}x${size} icon named $icon"
done
# Nothing else rides along (test programs, libraries of the build tools).
extra=$(cd "$root" && find . ! -type d | sed 's|^\./||' | grep -v -x -e usr/bin/angulon \
    -e usr/bin/angulon-chart -e usr/share/man/man1/angulon-chart.1.gz \
    -e "usr/share/applications/$app_id.desktop" -e "usr/share/metainfo/$app_id.metainfo.xml" \
    -e usr/share/doc/angulon/LICENSE -e usr/share/doc/angulon/copyright -e "usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$icon.png" \
    -e 'usr/share/angulon/web/.*') || true
[ -z "$extra" ] || fail "the package holds files it should not: $extra"
diff -r "$site" "$root/usr/share/angulon/web" || fail "the package's /usr/share/angulon/web is not the site as built"

# The copyright file parses as Debian's machine-readable format (python3-debian
# refuses anything else) and carries LICENSE's notice and text.
/usr/bin/python3 - "$root/usr/share/doc/angulon/copyright" "$license" <<'EOF' || fail "copyright: see above"
import re, sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding="utf-8") as f:
    files = Copyright(f, strict=True).find_files_paragraph("angulon")
with open(sys.argv[2], encoding="utf-8") as f:
    notice, text = re.match(r"MIT License\s+Copyright \(c\) (.+?)\n\n(.*)", f.read(), re.S).groups()
assert files.copyright == notice, files.copyright
assert files.license.synopsis == "Expat", files.license.synopsis
assert files.license.text.strip() == text.strip(), files.license.text
EOF

# The menu runs the entry's Exec line with the installed programs on PATH.
command=$(sed -n 's/^Exec=//p' "$entry")
[ -n "$command" ] || fail "the desktop entry has no Exec line"
output=$(PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen ANGULON_EXIT_WHEN_SHOWN=1 timeout 60 $command) ||
    fail "'$command' from the unpacked package failed (exit $?): $output"
echo "$output"
echo "$output" | grep -qx "angulon $version: main window \"Angulon\" shown" ||
    fail "'$command' did not report its main window"

# The chart program runs from the package, and its manual page renders
# without a complaint from groff and names this version.
chart=$("$root/usr/bin/angulon-chart" --from 20 --to 20 --step 1 --angles 70 --unit mm --decimal . --format csv) ||
    fail "angulon-chart from the unpacked package failed"
echo "$chart" | grep -q '^20,70,58.480,116.959,54.948,109.895' || fail "angulon-chart printed: $chart"
manual=$(zcat "$root/usr/share/man/man1/angulon-chart.1.gz" | groff -man -Tutf8 -ww 2>&1 >/dev/null) ||
    fail "groff failed on the manual page"
[ -z "$manual" ] || fail "groff: $manual"
zcat "$root/usr/share/man/man1/angulon-chart.1.gz" | grep -q "Angulon $version" ||
    fail "the manual page does not name version $version"
