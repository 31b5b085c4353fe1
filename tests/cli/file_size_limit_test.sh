#!/usr/bin/env bash
# lorvex-cli under a file-size limit (ulimit -f 100, 100 KiB): saving a
# 300 x 300 matrix (about 900 KB) over a small file fails with
# "não foi possível salvar arquivo" and the script goes on, the small file
# keeps its bytes and no temporary file is left.
#
#   file_size_limit_test.sh PROGRAM
set -u

program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

printf 'matrix A = 1 2; 3 4\nsave A a.fma\n' >small.txt
"$program" small.txt >/dev/null || { echo "the small save failed"; exit 1; }
cp a.fma expected.fma

printf 'new B zeros 300 300\nsave B a.fma\neval 2+3\n' >big.txt
# The limit binds the program only: its long output goes through a pipe.
(ulimit -f 100 && exec "$program" big.txt) | tail -n 3 >tail.out
status=${PIPESTATUS[0]}

failed=0
if [ "$status" -ne 1 ]; then
    echo "exit status $status, expected 1"
    failed=1
fi
if ! diff -u - tail.out <<'END'; then
hmm...: não foi possível salvar arquivo
> eval 2+3
5
END
    failed=1
fi
if ! cmp -s a.fma expected.fma; then
    echo "a.fma changed"
    failed=1
fi
leftovers=$(find . -name '*.tmp')
if [ -n "$leftovers" ]; then
    echo "temporary files left: $leftovers"
    failed=1
fi
exit "$failed"
