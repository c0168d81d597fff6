# SPDX-License-Identifier: MIT
# shellcheck shell=sh
# Sourced by the test scripts (sh or bash): messages that name the script, a
# count of failed checks, and a scratch folder of the script's own that goes
# when it ends.
test_name=$(basename "$0" .sh)
failures=0

# say MESSAGE...: prints MESSAGE under the script's name. printf, as echo
# would read the backslashes of Windows paths.
say() { printf '%s: %s\n' "$test_name" "$*"; }
# fault MESSAGE...: a check failed; the script goes on with the others and
# finish fails it.
fault() {
    say "FAILED: $*" >&2
    failures=$((failures + 1))
}
# fail MESSAGE...: a check failed that the rest depend on; ends the script.
fail() {
    fault "$@"
    exit 1
}
# finish SUMMARY: ends the script, failed if any check was, else saying SUMMARY.
finish() {
    [ "$failures" -eq 0 ] || fail "$failures check(s) failed"
    say "$*"
    exit 0
}

scratch=$(mktemp -d)
exit_commands=:
trap 'eval "$exit_commands"; rm -rf "$scratch"' EXIT
# at_exit COMMAND: runs COMMAND too when the script ends, before the scratch
# folder goes.
at_exit() { exit_commands="$1; $exit_commands"; }

# The chart's scripts.
# run COMMAND...: runs COMMAND with no input, leaving its exit status in
# status, its standard error in err (Wine's console line ends dropped) and its
# standard output in the scratch folder's .out.
run() {
    "$@" >"$scratch/.out" 2>"$scratch/.err" </dev/null
    status=$?
    err=$(tr -d '\r' <"$scratch/.err")
}
# expect WHAT GOT WANTED: a check that GOT is WANTED.
expect() { [ "$2" = "$3" ] || fault "$1: '$2', not '$3'"; }
# csv_rows CHART ARGUMENT...: the rows CHART writes as CSV, without the header.
csv_rows() { "$@" --format csv | tr -d '\r' | tail -n +2; }
