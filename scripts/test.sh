#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Angulon (installing what it needs) and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing
ensure_test_locale
configure_and_build
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test.
cmake -S "$root" -B "$build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANGULON_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize"
ctest --test-dir "$build/sanitize" --output-on-failure -j "$(nproc)"

# A minute of fuzzing the calculator core (skipped without Clang).
"$root/fuzz/run.sh" 60
