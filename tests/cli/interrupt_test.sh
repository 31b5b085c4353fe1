#!/usr/bin/env bash
# Ctrl+C stops lorvex-cli's running command and ends the script: the
# command prints "parado", no later command runs, and the exit status is 130.
#
#   interrupt_test.sh PROGRAM SCRIPT EXPECTED_OUTPUT
#
# The script's first command must end at once and its second run until it
# is stopped; --timeout bounds the test should the interrupt be lost.
set -u

program=$(realpath "$1")
script=$(realpath "$2")
expected=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" --timeout 20 "$script" >"$work/actual.out" 2>"$work/actual.err" &
pid=$!
# Once the first command's output is written the program has caught Ctrl+C
# and goes straight into the second command.
until [ "$(wc -l <"$work/actual.out")" -ge 2 ]; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
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
