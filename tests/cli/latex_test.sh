#!/usr/bin/env bash
# The complete LaTeX documents of worked solutions written by lorvex-cli
# compile with pdflatex: three steps on a 2 x 2 matrix, and two on a matrix
# of eleven columns, more than amsmath takes by default. Without pdflatex the test is skipped
# (status 77), never passed.
#
#   latex_test.sh PROGRAM
set -u

program=$(realpath "$1")
if ! command -v pdflatex >/dev/null 2>&1; then
    echo "pdflatex is not installed: the worked solution's LaTeX was not compiled"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# [2 4; -3 1]: the pivot, row 1 halved, 3 times row 1 added to row 2.
cat >script.txt <<'END'
matrix M = 2 4; -3 1
echelon M 3
solution tex --document solution.tex
matrix W = 2 1 1 1 1 1 1 1 1 1 1; 1 1 1 1 1 1 1 1 1 1 1
echelon W 2
solution tex --document wide.tex
END
if ! "$program" script.txt >out.txt 2>&1; then
    echo "lorvex-cli failed"
    cat out.txt
    exit 1
fi
failed=0
for name in solution wide; do
    grep -q 'xrightarrow' "$name.tex" || { echo "$name: no steps"; failed=1; }
    if ! pdflatex -interaction=nonstopmode -halt-on-error "$name.tex" >latex.log 2>&1 ||
        [ ! -s "$name.pdf" ]; then
        echo "pdflatex did not compile $name.tex"
        cat "$name.tex"
        grep -A 3 '^!' latex.log
        failed=1
    fi
done
exit "$failed"
