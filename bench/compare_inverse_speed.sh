#!/bin/sh
# Time of one real 500 x 500 inverse: lorvex's inverse/real/500 (matrix_bench)
# against Eigen's PartialPivLU inverse with long double elements on the same
# entries (std::mt19937 seed 7, uniform in [-1, 1)), medians of eleven runs
# each, back to back. Run by hand from the source root after building the
# benchmarks in release mode: bench/compare_inverse_speed.sh [build dir].
# Needs g++ and libeigen3-dev (only for this comparison program).
set -eu
build=${1:-build-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/eigen_inverse.cpp" <<'CPP'
#include <Eigen/Dense>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

int main() {
    using Matrix = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Matrix m(500, 500);
    for (int i = 0; i < 500; ++i)
        for (int j = 0; j < 500; ++j)
            m(i, j) = value(engine);
    std::vector<double> times;
    long double check = 0;
    for (int run = 0; run < 11; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const Matrix inverse = m.partialPivLu().inverse();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
        check += inverse(0, 0);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f %Lg\n", times[5], check);
}
CPP
g++ -O2 -DNDEBUG -I/usr/include/eigen3 -o "$work/eigen_inverse" "$work/eigen_inverse.cpp"

lorvex=$("$build/bench/matrix_bench" --benchmark_filter='inverse/real/500$' \
    --benchmark_repetitions=11 --benchmark_report_aggregates_only=true 2>/dev/null |
    sed -n 's/^inverse\/real\/500_median *\([0-9.]*\) ms.*/\1/p')
eigen=$("$work/eigen_inverse" | cut -d' ' -f1)
echo "real 500 x 500 inverse: lorvex $lorvex ms, Eigen long double $eigen ms," \
    "ratio $(echo "$lorvex / $eigen" | bc -l | cut -c1-5)"
