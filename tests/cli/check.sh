#!/usr/bin/env bash
# Command-line manners of one program: --help and --version answer on
# standard output with status 0, a wrong command line gets one line on
# standard error and status 2, and none of them writes a file or needs a display.
#   check.sh VERSION PROGRAM [WRONG-ARGUMENTS...]
# WRONG-ARGUMENTS is one wrong command line of the program's own (a missing
# or an extra argument), tried besides an unknown option.
set -uo pipefail
version=$1 program=$2
shift 2
name=$(basename "$program")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failed=0

fail() {
    echo "FAIL: $name $*" >&2
    failed=1
}

# run ARGS...: status, standard output and standard error of the program.
run() {
    "$program" "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
    out=$(cat "$tmp/out")
    err=$(cat "$tmp/err")
}

run --help
[ $status -eq 0 ] || fail "--help: status $status"
[[ $out == "usage: $name"* ]] || fail "--help: no usage line on standard output: $out"
[[ $out == *"--version"* ]] || fail "--help does not tell of --version"
[ -z "$err" ] || fail "--help wrote to standard error: $err"

run --version
[ $status -eq 0 ] || fail "--version: status $status"
[ "$out" = "$name $version" ] || fail "--version: '$out'"
[ -z "$err" ] || fail "--version wrote to standard error: $err"

wrong() {
    run "$@"
    [ $status -eq 2 ] || fail "$*: status $status, not 2"
    [ -z "$out" ] || fail "$*: wrote to standard output: $out"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$*: not one line on standard error: $err"
    [[ $err == "$name: "* ]] || fail "$*: the error does not name the program: $err"
}
wrong --no-such-option
[[ $err == *"unknown option --no-such-option"* ]] || fail "the error does not name the option: $err"
wrong -x
[ $# -gt 0 ] && wrong "$@"

# Nothing was written: no folder named --help, no picture, no report.
rm -f "$tmp/out" "$tmp/err"
[ -z "$(ls -A "$tmp")" ] || fail "left files behind: $(ls -A "$tmp")"
exit $failed
