#!/usr/bin/env bash
# Builds Angulon (installing what it needs) and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing
configure_and_build
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
