#!/bin/sh
# A real inverse against Eigen's PartialPivLU inverse with long double
# elements on the same entries (bench/eigen_inverse.cpp): the time of a
# 500 x 500 inverse (lorvex's inverse/real/500 of matrix_bench against Eigen,
# medians of eleven runs each) and the peak resident memory of a process that
# makes one 1000 x 1000 inverse (lorvex's inversePeakMemory, five processes
# of each side, back to back, medians). Run by hand from the source root after
# building the benchmarks in release mode: bench/compare_inverse.sh [build dir].
# Needs g++ and libeigen3-dev (only for the comparison program).
set -eu
build=${1:-build-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -DNDEBUG -I/usr/include/eigen3 -o "$work/eigen_inverse" bench/eigen_inverse.cpp
ratio() { echo "$1 / $2" | bc -l | cut -c1-5; }

lorvex=$("$build/bench/matrix_bench" --benchmark_filter='inverse/real/500$' \
    --benchmark_repetitions=11 --benchmark_report_aggregates_only=true 2>/dev/null |
    sed -n 's/^inverse\/real\/500_median *\([0-9.]*\) ms.*/\1/p')
eigen=$("$work/eigen_inverse" 500 11 | cut -d' ' -f1)
echo "real 500 x 500 inverse: lorvex $lorvex ms, Eigen long double $eigen ms," \
    "ratio $(ratio "$lorvex" "$eigen")"

for _ in 1 2 3 4 5; do
    "$build/bench/matrix_bench" --benchmark_filter=inversePeakMemory 2>/dev/null |
        sed -n 's/.*peak_MB=\([0-9.]*\).*/\1/p' >>"$work/lorvex"
    "$work/eigen_inverse" 1000 1 | cut -d' ' -f2 >>"$work/eigen"
done
median() { sort -n "$1" | sed -n 3p; }
lorvex=$(median "$work/lorvex")
eigen=$(median "$work/eigen")
echo "real 1000 x 1000 inverse, peak memory: lorvex $lorvex MB, Eigen long double $eigen MB," \
    "ratio $(ratio "$lorvex" "$eigen")"
