#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a widget test on the offscreen platform unless the caller chose another.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$@"
