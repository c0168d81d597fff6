#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a program's library search path (RUNPATH or RPATH) has an empty
# or relative entry: the dynamic loader resolves those against the current
# directory, so a library planted wherever the program is started would be
# loaded into it.
# Usage: librarypath.sh PROGRAM...
. "$(dirname "$0")/lib.sh"
for program in "$@"; do
    path=$(readelf -d "$program" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
    [ -n "$path" ] || continue
    old_ifs=$IFS
    IFS=:
    # A trailing colon is an empty entry too.
    for entry in $path""; do
        case $entry in
        /* | '$ORIGIN'*) ;;
        *)
            fault "$program searches '$entry' for libraries (path '$path')"
            break
            ;;
        esac
    done
    IFS=$old_ifs
done
finish "no program searches a relative or empty path for libraries"
