#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Angulon for 64-bit Windows on Debian and tests it under Wine:
# installs the cross tools, builds Qt and libxlsxwriter for Windows once from
# Debian's source packages into a cache outside the tree, cross-builds the program and its
# tests in build/windows, runs the tests through Wine, makes the zip and the
# installer with CPack and smoke-tests both.
#
#   packaging/windows/build.sh             all of it
#   packaging/windows/build.sh qt          only the caches (Qt, libxlsxwriter)
#   packaging/windows/build.sh qt-prefix   prints where the cache is, and
#                                          does nothing else
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/setup.sh"

# Qt for Windows from the Debian source package whose binaries are
# installed, so the host's moc, rcc and uic match the libraries exactly.
qt_source_version=6.4.2+dfsg-10
qt_version=${qt_source_version%%+*}
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/angulon"
windows_qt="$cache_root/qt-$qt_version-mingw64"
# Where the toolchain file looks for it.
export ANGULON_WINDOWS_QT="$windows_qt"
# libxlsxwriter, which angulon-chart writes spreadsheets with, the same way
# from Debian's source: a static library with its bundled minizip, linked
# with Debian's zlib for MinGW, so the program needs no DLL more.
xlsxwriter_source_version=1.1.4-2
xlsxwriter_version=${xlsxwriter_source_version%%-*}
windows_xlsxwriter="$cache_root/libxlsxwriter-$xlsxwriter_version-mingw64"
export ANGULON_WINDOWS_XLSXWRITER="$windows_xlsxwriter"
if [ "${1:-}" = qt-prefix ]; then
    echo "$windows_qt"
    exit 0
fi

# What the program does not use stays out; the third-party libraries Qt
# needs are its bundled copies, as the MinGW sysroot has none of them.
qt_configure_options=(
    -release -shared -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -qt-host-path /usr -nomake examples -nomake tests
    -no-opengl -no-dbus -no-libjpeg -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre
    --
    -DCMAKE_TOOLCHAIN_FILE="$windows_qt/mingw-w64-x86_64.cmake"
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    # Debian's source needs these three: the host's Vulkan headers would pull
    # /usr/include into the cross build, wintab.h is not in it, and without
    # OpenGL the dynamic OpenGL loader does not compile.
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
)

# The source comes through a private apt configuration holding only the
# deb-src entry, so the machine's own apt sources and lists stay as they were.
# fetch_source APT_DIR PACKAGE=VERSION: unpacks the source in APT_DIR.
fetch_source() {
    local apt_dir="$1"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    cat >"$apt_dir/sources.list.d/debian-source.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    local apt_options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
    # As root, apt would hand the download to its own user, who cannot write here.
    [ "$(id -u)" -ne 0 ] || apt_options+=(-o APT::Sandbox::User=root)
    apt-get "${apt_options[@]}" update -qq
    (cd "$apt_dir" && apt-get "${apt_options[@]}" source -qq "$2" >/dev/null)
}

# is_built STAMP WANTED: whether a cache holds a finished build of what
# WANTED names (source and options). Each build writes its stamp last, so an
# interrupted one is started over.
is_built() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

build_qt() {
    local stamp="$windows_qt/angulon-qt-build.txt"
    local wanted
    wanted=$(printf '%s\n' "qt6-base $qt_source_version" "${qt_configure_options[@]}")
    is_built "$stamp" "$wanted" && return 0
    local work="$cache_root/qt-$qt_version-mingw64-work"
    rm -rf "$work" "$windows_qt"
    mkdir -p "$work" "$windows_qt"
    # Qt's CMake files refer to the toolchain file they were built with; a
    # copy in the cache keeps that path valid whichever checkout built it.
    cp "$here/mingw-w64-x86_64.cmake" "$windows_qt/"
    echo "angulon: building Qt $qt_version for Windows in $work (about 40 minutes on two cores)"
    local started=$SECONDS
    fetch_source "$work/apt" "qt6-base=$qt_source_version"
    local source_dir="$work/apt/qt6-base-$qt_version+dfsg"
    mkdir -p "$work/build"
    (cd "$work/build" && "$source_dir/configure" -prefix "$windows_qt" "${qt_configure_options[@]}" >"$work/configure.log") || {
        tail -40 "$work/configure.log" >&2
        exit 1
    }
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build" --strip >/dev/null
    # The licences and the exact source go into the package beside the DLLs.
    mkdir -p "$windows_qt/licenses"
    cp "$source_dir"/LICENSES/*.txt "$windows_qt/licenses/"
    cp "$source_dir/debian/copyright" "$windows_qt/licenses/debian-copyright.txt"
    echo "Qt $qt_version (QtCore, QtGui, QtWidgets and the Windows platform and style plugins), built with MinGW-w64 from Debian's source package qt6-base $qt_source_version (apt-get source qt6-base=$qt_source_version; Debian 12), configured with: ${qt_configure_options[*]}" \
        >"$windows_qt/licenses/QT-SOURCE.txt"
    echo "angulon: Qt for Windows built in $(((SECONDS - started) / 60)) minutes"
    rm -rf "$work"
    printf '%s\n' "$wanted" >"$stamp"
}

build_xlsxwriter() {
    local stamp="$windows_xlsxwriter/angulon-xlsxwriter-build.txt"
    local options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF)
    local wanted
    wanted=$(printf '%s\n' "libxlsxwriter $xlsxwriter_source_version" "${options[@]}")
    is_built "$stamp" "$wanted" && return 0
    local work="$windows_xlsxwriter-work"
    rm -rf "$work" "$windows_xlsxwriter"
    mkdir -p "$work"
    echo "angulon: building libxlsxwriter $xlsxwriter_version for Windows in $work"
    fetch_source "$work/apt" "libxlsxwriter=$xlsxwriter_source_version"
    local source_dir="$work/apt/libxlsxwriter-$xlsxwriter_version"
    cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$windows_xlsxwriter" "${options[@]}" >"$work/configure.log" || {
        tail -40 "$work/configure.log" >&2
        exit 1
    }
    cmake --build "$work/build" >/dev/null
    cmake --install "$work/build" >/dev/null
    mkdir -p "$windows_xlsxwriter/licenses"
    cp "$source_dir/License.txt" "$windows_xlsxwriter/licenses/License.txt"
    cp "$source_dir/debian/copyright" "$windows_xlsxwriter/licenses/debian-copyright.txt"
    echo "libxlsxwriter $xlsxwriter_version, linked into angulon-chart.exe, built with MinGW-w64 from Debian's source package libxlsxwriter $xlsxwriter_source_version (apt-get source libxlsxwriter=$xlsxwriter_source_version; Debian 12), configured with: ${options[*]}" \
        >"$windows_xlsxwriter/licenses/SOURCE.txt"
    rm -rf "$work"
    printf '%s\n' "$wanted" >"$stamp"
}

# The tests and the smoke tests need an X display for Wine's windows: a
# private Xvfb with a window manager, so focus and activation behave as on a
# desktop, gone when the script ends.
start_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    openbox_pid=
    trap 'kill $openbox_pid $xvfb_pid 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
    openbox >/dev/null 2>&1 &
    openbox_pid=$!
}

# The fonts, which Wine only recommends, hold the twins of Tahoma and Arial
# that the Wine prefixes of the tests use.
install_missing build fonts windows
build_qt
build_xlsxwriter
[ "${1:-}" = qt ] && exit 0

cmake -S "$root" --preset windows >/dev/null
cmake --build "$build/windows"
start_display
ctest --test-dir "$build/windows" --output-on-failure -j "$(nproc)"
