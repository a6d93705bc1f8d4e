#!/bin/sh
# window-program-options.sh QUORVANE VERSION MANUAL
#
# The window program answers --help and --version on a terminal without any display: neither
# DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM set, as on a server or in a packaging script.
# Each must print its text and exit with status 0, and the manual page (its source, MANUAL)
# must describe both.
set -u
if [ $# -ne 3 ]; then
    echo "usage: window-program-options.sh QUORVANE VERSION MANUAL" >&2
    exit 2
fi
program=$1
version=$2
manual=$3
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

run() { # run ARGUMENT: the program's standard output; its status in $status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$1" 2>&1)
    status=$?
}

run --version
[ "$status" -eq 0 ] || fail "--version exits with status $status: $output"
[ "$output" = "quorvane $version" ] || fail "--version prints \"$output\""

run --help
[ "$status" -eq 0 ] || fail "--help exits with status $status: $output"
case $output in
"Usage: quorvane "*) ;;
*) fail "--help does not start with the usage line: $output" ;;
esac
for option in help version; do
    printf '%s\n' "$output" | grep -q -- "^  --$option " || fail "--help does not list --$option"
    grep -q -- "^\.BR* \\\\-\\\\-$option" "$manual" || fail "the manual page does not describe --$option"
done

[ "$failures" -eq 0 ] || exit 1
echo "quorvane answers --help and --version without a display"
