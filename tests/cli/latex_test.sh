#!/usr/bin/env bash
# The complete LaTeX document of a three-step worked solution, written by
# lorvex-cli, compiles with pdflatex. Without pdflatex the test is skipped
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
END
if ! "$program" script.txt >out.txt 2>&1; then
    echo "lorvex-cli failed"
    cat out.txt
    exit 1
fi
if ! pdflatex -interaction=nonstopmode -halt-on-error solution.tex >latex.log 2>&1 ||
    [ ! -s solution.pdf ]; then
    echo "pdflatex did not compile the solution"
    cat solution.tex
    tail -n 30 latex.log
    exit 1
fi
grep -q 'xrightarrow' solution.tex || { echo "no steps in the solution"; exit 1; }
exit 0
