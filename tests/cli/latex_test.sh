#!/usr/bin/env bash
# The complete LaTeX documents of two worked solutions written by lorvex-cli
# compile with pdflatex: three steps on a 2 x 2 matrix, and two on eleven
# columns, more than amsmath takes by default. Skipped (77) without pdflatex.
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

cat >script.txt <<'END'
matrix M = 2 4; -3 1
echelon M 3
solution tex --document solution.tex
matrix W = 2 1 1 1 1 1 1 1 1 1 1; 1 1 1 1 1 1 1 1 1 1 1
echelon W 2
solution tex --document wide.tex
END
"$program" script.txt >out.txt 2>&1 || { cat out.txt; exit 1; }
failed=0
for name in solution wide; do
    if ! pdflatex -interaction=nonstopmode -halt-on-error "$name.tex" >latex.log 2>&1; then
        echo "pdflatex did not compile $name.tex"
        cat "$name.tex"
        grep -A 3 '^!' latex.log
        failed=1
    fi
done
exit "$failed"
