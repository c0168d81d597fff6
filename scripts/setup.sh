# SPDX-License-Identifier: MIT
# Shared by run.sh, test.sh, packaging/windows/build.sh and bench/run.sh:
# installs the Debian packages the build needs (only those missing) and
# configures and builds the project in build/, as the preset "default" of
# CMakePresets.json says; the other builds have presets there too, each in a
# folder of build/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(cmake ninja-build g++ qt6-base-dev libfontconfig-dev libxlsxwriter-dev libgtest-dev fonts-liberation2
    fonts-wine desktop-file-utils appstream dpkg-dev file locales python3-debian clang-format
    # The browser page: the core compiled to WebAssembly by Debian's clang,
    # which also runs the fuzzer with its runtime.
    clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32
    libclang-rt-14-dev)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
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
