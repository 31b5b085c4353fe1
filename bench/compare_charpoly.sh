#!/bin/sh
# Characteristic polynomial of the random real matrix of order 18 that
# characteristic_polynomial_bench uses (std::mt19937 seed 5, entries uniform
# in [-1, 1)), against SymPy's exact characteristic polynomial of the same
# entries taken as exact rationals, through Matrix.charpoly and through
# its exact-domain core DomainMatrix.charpoly. Run by hand from the source root after
# building the benchmarks: bench/compare_charpoly.sh [build directory].
# Needs g++ and python3-sympy; prints the medians and their ratio.
set -eu
build=${1:-build-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/matrix.cpp" <<'CPP'
#include <cstdio>
#include <random>
int main() {
    std::mt19937 engine(5);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int i = 0; i < 18; ++i)
        for (int j = 0; j < 18; ++j)
            std::printf("%a%c", value(engine), j == 17 ? '\n' : ' ');
}
CPP
g++ -O2 -o "$work/matrix" "$work/matrix.cpp"
"$work/matrix" >"$work/matrix.txt"

lorvex=$("$build/bench/characteristic_polynomial_bench" --benchmark_filter='coefficients/18$' \
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_time_unit=ms 2>/dev/null | awk '/_median/ {print $2}')

sympy=$(python3 - "$work/matrix.txt" <<'PY'
import statistics, sys, time
from fractions import Fraction
from sympy import Matrix, Rational, symbols
from sympy.polys.matrices import DomainMatrix
rows = [[Rational(Fraction(float.fromhex(x))) for x in line.split()]
        for line in open(sys.argv[1])]
def median_ms(f):
    times = []
    for _ in range(5):
        start = time.perf_counter()
        f()
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)
x = symbols("x")
print(f"{median_ms(lambda: Matrix(rows).charpoly(x)):.2f}",
      f"{median_ms(lambda: DomainMatrix.from_Matrix(Matrix(rows)).charpoly()):.2f}")
PY
)
set -- $sympy
ratio() { echo "$1 / $2" | bc -l | cut -c1-5; }
echo "order 18: lorvex $lorvex ms"
echo "  SymPy Matrix.charpoly       $1 ms, ratio $(ratio "$lorvex" "$1")"
echo "  SymPy DomainMatrix.charpoly $2 ms, ratio $(ratio "$lorvex" "$2")"
