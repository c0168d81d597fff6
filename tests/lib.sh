# SPDX-License-Identifier: MIT
# shellcheck shell=sh
# Sourced by the test scripts (sh or bash): messages that name the script, a
# count of failed checks, and a scratch folder of the script's own that goes
# when it ends.
test_name=$(basename "$0" .sh) failures=0

# say MESSAGE...: prints MESSAGE under the script's name. printf, as echo
# would read the backslashes of Windows paths.
say() { printf '%s: %s\n' "$test_name" "$*"; }
# fault MESSAGE...: a check failed; the script goes on with the others and
# finish fails it.
fault() { say "FAILED: $*" >&2; failures=$((failures + 1)); }
# fail MESSAGE...: a check failed that the rest depend on; ends the script.
fail() { fault "$@"; exit 1; }
# finish SUMMARY: ends the script, failed if any check was, else saying SUMMARY.
finish() { [ "$failures" -eq 0 ] || fail "$failures check(s) failed"; say "$*"; exit 0; }
# expect WHAT GOT WANTED: a check that GOT is WANTED.
expect() { [ "$2" = "$3" ] || fault "$1: '$2', not '$3'"; }

scratch=$(mktemp -d) exit_commands=:
trap 'eval "$exit_commands"; rm -rf "$scratch"' EXIT
# at_exit COMMAND: runs COMMAND too when the script ends, before the scratch
# folder goes.
at_exit() { exit_commands="$1; $exit_commands"; }

# The packages' checks share these.
# retry COUNT PAUSE COMMAND...: runs COMMAND until it succeeds, at most COUNT
# times, PAUSE seconds apart; fails if it never did.
retry() { retries=$1 pause=$2 && shift 2 && until "$@"; do [ "$((retries -= 1))" -gt 0 ] || return 1; sleep "$pause"; done; }
# only_files DIR PATTERN...: DIR holds a file for each shell PATTERN (a path
# in DIR) and nothing that no PATTERN matches.
# shellcheck disable=SC2086,SC2254 # each pattern is expanded and matched on purpose
only_files() {
    only_dir=$1 && shift
    for pattern in "$@"; do (cd "$only_dir" && set -- $pattern && [ -e "$1" ]) || fault "$only_dir has no $pattern"; done
    extra=$(cd "$only_dir" && find . ! -type d | sed 's|^\./||' | while read -r file; do
        for pattern in "$@"; do case $file in $pattern) continue 2 ;; esac done
        echo "$file"
    done)
    [ -z "$extra" ] || fault "$only_dir holds what it should not: $extra"
}
# last_window NAME: the id of the last visible window whose name matches
# NAME, left in window; fails if there is none.
last_window() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$window" ]; }
# focus NAME: the last visible window whose name matches NAME takes the
# focus, its id left in window.
focus() { last_window "$1" && timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null && [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
# wine_prefix DIR: Wine runs in a new prefix DIR (made on first use) with no
# search path but Windows' own and no menu builder (it would copy Start-menu
# entries into this machine's menus), its programs ended when the script ends.
wine_prefix() { export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d && unset WINEPATH && rm -rf "$1" && at_exit 'wineserver -k 2>/dev/null || true'; }

# The chart's scripts.
# run COMMAND...: runs COMMAND with no input, leaving its exit status in
# status, its standard error in err (Wine's console line ends dropped) and its
# standard output in the scratch folder's .out.
# shellcheck disable=SC2034 # read by the scripts that source this
run() { "$@" >"$scratch/.out" 2>"$scratch/.err" </dev/null; status=$? err=$(tr -d '\r' <"$scratch/.err"); }
# csv_rows CHART ARGUMENT...: the rows CHART writes as CSV, without the header.
csv_rows() { "$@" --format csv | tr -d '\r' | tail -n +2; }
