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
    # Between colons, an entry that is empty or starts neither with / nor $ORIGIN.
    case ":$path:" in
    ::) ;;
    *::* | *:[!/\$]* | *:\$[!O]* | *:\$O[!R]*) fault "$program searches a relative or empty entry for libraries (path '$path')" ;;
    esac
done
finish "no program searches a relative or empty path for libraries"
