#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the code's formatting, builds Angulon (installing what it needs)
# and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing build linux web fonts test

# Every C++ file in the repository follows .clang-format; one that does not
# fails the run before anything is built. Outside a git checkout, every
# source file outside build/ is checked.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git -C "$root" ls-files -- '*.cpp' '*.h')
else
    mapfile -t sources < <(cd "$root" && find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi
(cd "$root" && clang-format --dry-run -Werror "${sources[@]}") || {
    echo "angulon: the files above are not formatted; run clang-format -i on them" >&2
    exit 1
}

ensure_test_locale
configure_and_build
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test.
cmake -S "$root" --preset sanitize >/dev/null
cmake --build "$build/sanitize"
ctest --test-dir "$build/sanitize" --output-on-failure -j "$(nproc)"

# A minute of fuzzing the calculator core (skipped without Clang).
"$root/fuzz/run.sh" 60

# The Windows build, cross-compiled with Qt built once from Debian's source,
# and the same suite run under Wine, with both Windows packages made and used.
"$root/packaging/windows/build.sh"
