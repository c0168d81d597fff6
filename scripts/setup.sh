# SPDX-License-Identifier: MIT
# Shared by run.sh, test.sh, packaging/windows/build.sh and bench/run.sh:
# installs the Debian packages each needs (only those missing) and
# configures and builds the project in build/, as the preset "default" of
# CMakePresets.json says; the other builds have presets there too, each in a
# folder of build/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# install_missing GROUP...: installs the Debian packages of the groups named in
# packages.txt (one list for every script) that are not installed yet.
install_missing() {
    local list missing=()
    list=$(awk -v groups="$*" 'BEGIN { for (i = split(groups, names); i > 0; i--) wanted[names[i]] }
        $1 in wanted { seen[$1]; for (i = 2; i <= NF; i++) print $i }
        END { for (name in wanted) if (!(name in seen)) { print "angulon: packages.txt has no group " name >"/dev/stderr"; exit 1 } }' \
        "$root/scripts/packages.txt") || exit 1
    for package in $list; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "angulon: these packages are missing: ${missing[*]}" >&2
            echo "angulon: install them as root (apt-get install ${missing[*]}); sudo is not available" >&2
            exit 1
        fi
    fi
    echo "angulon: installing ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The widget tests run a second time in German; generates that locale once.
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || {
            echo "angulon: the de_DE.UTF-8 locale is missing; enable it in /etc/locale.gen and run locale-gen as root" >&2
            exit 1
        }
        as_root=(sudo)
    fi
    echo "angulon: generating the de_DE.UTF-8 locale"
    grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
        echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen >/dev/null
}

# Builds the targets named, or everything when none is.
configure_and_build() {
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake -S "$root" --preset default >/dev/null
    cmake --build "$build" "${targets[@]}"
}
