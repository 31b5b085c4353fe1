#!/usr/bin/env bash
# Ctrl+C stops lorvex-cli's running command and ends the script: the
# command prints "parado", no later command runs, and the exit status is 130.
#
#   interrupt_test.sh PROGRAM SCRIPT EXPECTED_OUTPUT
#
# The script's first command must run until it is stopped; --timeout bounds
# the test should the interrupt be lost.
set -u

program=$(realpath "$1")
script=$(realpath "$2")
expected=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" --timeout 20 "$script" >"$work/actual.out" 2>"$work/actual.err" &
pid=$!
# Time for the program to start and to be inside its first command.
sleep 1
kill -INT "$pid"
wait "$pid"
status=$?

failed=0
if [ "$status" -ne 130 ]; then
    echo "exit status $status, expected 130"
    cat "$work/actual.err"
    failed=1
fi
if ! diff "$expected" "$work/actual.out"; then
    failed=1
fi
exit "$failed"
