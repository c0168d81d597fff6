#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program alone (installing what it needs) and starts it; the
# tests are left to test.sh.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing build linux web fonts
configure_and_build angulon
exec "$build/shell/angulon"
