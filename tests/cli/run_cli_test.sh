#!/usr/bin/env bash
# Runs lorvex-cli in a fresh folder that holds a copy of tests/cli/data, and
# compares its standard output and exit status with the expected ones.
#
#   run_cli_test.sh PROGRAM EXPECTED_OUTPUT EXIT_STATUS [--stdin FILE] [ARGUMENT...]
#
# A line of the expected output that begins with "~ " is an extended regular
# expression that the whole line must match (random entries); every other
# line must be equal.
set -u

program=$(realpath "$1")
expected=$(realpath "$2")
expected_status=$3
shift 3
input=/dev/null
if [ "${1:-}" = "--stdin" ]; then
    input=$(realpath "$2")
    shift 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$(dirname "$0")/data/." "$work/"
cd "$work" || exit 1

"$program" "$@" <"$input" >actual.out 2>actual.err
status=$?

failed=0
if [ "$status" -ne "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    cat actual.err
    failed=1
fi

mapfile -t want <"$expected"
mapfile -t got <actual.out
count=${#want[@]}
[ ${#got[@]} -gt "$count" ] && count=${#got[@]}
for ((i = 0; i < count; i++)); do
    line_want=${want[i]-<missing line>}
    line_got=${got[i]-<missing line>}
    if [ "${line_want:0:2}" = "~ " ]; then
        pattern="^(${line_want:2})\$"
        [[ "$line_got" =~ $pattern ]] && continue
    elif [ "$line_want" = "$line_got" ]; then
        continue
    fi
    echo "line $((i + 1)) differs"
    echo "expected: $line_want"
    echo "actual:   $line_got"
    failed=1
done

if [ "$failed" -ne 0 ]; then
    echo "---- whole output"
    cat actual.out
fi
exit "$failed"
