#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Angulon (installing what it needs) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing
configure_and_build
exec "$build/shell/angulon"
