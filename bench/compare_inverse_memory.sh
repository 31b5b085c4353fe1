#!/bin/sh
# Peak resident memory of one real 1000 x 1000 inverse: lorvex's
# inversePeakMemory (matrix_bench) against Eigen with long double elements
# on the same entries (std::mt19937 seed 7, uniform in [-1, 1)), each in its
# own process, five times each, back to back. Run by hand from the source root
# after building the benchmarks: bench/compare_inverse_memory.sh [build dir].
# Needs g++ and libeigen3-dev (only for this comparison program).
set -eu
build=${1:-build-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/eigen_inverse.cpp" <<'CPP'
#include <sys/resource.h>

#include <Eigen/Dense>
#include <cstdio>
#include <random>

int main() {
    using Matrix = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Matrix m(1000, 1000);
    for (int i = 0; i < 1000; ++i)
        for (int j = 0; j < 1000; ++j)
            m(i, j) = value(engine);
    const Matrix inverse = m.inverse();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %Lg\n", usage.ru_maxrss / 1024.0, inverse(0, 0));
}
CPP
g++ -O2 -DNDEBUG -I/usr/include/eigen3 -o "$work/eigen_inverse" "$work/eigen_inverse.cpp"

for _ in 1 2 3 4 5; do
    "$build/bench/matrix_bench" --benchmark_filter=inversePeakMemory 2>/dev/null |
        sed -n 's/.*peak_MB=\([0-9.]*\).*/\1/p' >>"$work/lorvex"
    "$work/eigen_inverse" | cut -d' ' -f1 >>"$work/eigen"
done
median() { sort -n "$1" | sed -n 3p; }
lorvex=$(median "$work/lorvex")
eigen=$(median "$work/eigen")
echo "real 1000 x 1000 inverse, peak memory: lorvex $lorvex MB, Eigen long double $eigen MB," \
    "ratio $(echo "$lorvex / $eigen" | bc -l | cut -c1-5)"
