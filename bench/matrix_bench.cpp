// Inverse, determinant and product of random n x n real and complex
// matrices, and the exact determinant and inverse of random integer matrices
// with entries in -99 ... 99.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <random>

#include "engine/arithmetic.h"
#include "engine/elimination.h"

namespace {

using lorvex::Complex;
using lorvex::ComplexMatrix;
using lorvex::IntegerMatrix;
using lorvex::RealMatrix;

ComplexMatrix randomMatrix(std::int32_t n, bool complex, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(n, n);
    for (Complex& c : m.cells)
        c = Complex{value(engine), complex ? value(engine) : 0.0};
    return m;
}

// The real entries that randomMatrix draws with `complex` false.
RealMatrix randomRealMatrix(std::int32_t n, unsigned seed) {
    return lorvex::realPartsOf(randomMatrix(n, false, seed));
}

void inverse(benchmark::State& state, bool complex) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    if (!complex) {
        const RealMatrix m = randomRealMatrix(n, 7);
        for (auto _ : state)
            benchmark::DoNotOptimize(lorvex::RealElimination(m).inverse());
        return;
    }
    const ComplexMatrix m = randomMatrix(n, complex, 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::ComplexElimination(m).inverse());
}
BENCHMARK_CAPTURE(inverse, real, false)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inverse, complex, true)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

void determinant(benchmark::State& state, bool complex) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    if (!complex) {
        const RealMatrix m = randomRealMatrix(n, 7);
        for (auto _ : state)
            benchmark::DoNotOptimize(lorvex::RealElimination(m).determinant());
        return;
    }
    const ComplexMatrix m = randomMatrix(n, complex, 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::ComplexElimination(m).determinant());
}
BENCHMARK_CAPTURE(determinant, real, false)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(determinant, complex, true)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

void product(benchmark::State& state, bool complex) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    if (!complex) {
        const RealMatrix a = randomRealMatrix(n, 8);
        const RealMatrix b = randomRealMatrix(n, 9);
        RealMatrix result;
        for (auto _ : state)
            benchmark::DoNotOptimize(lorvex::product(a, b, result));
        return;
    }
    const ComplexMatrix a = randomMatrix(n, complex, 8);
    const ComplexMatrix b = randomMatrix(n, complex, 9);
    ComplexMatrix result;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::product(a, b, result));
}
BENCHMARK_CAPTURE(product, real, false)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(product, complex, true)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

// Entries -99 ... 99 from a 64-bit linear congruential generator, simple
// enough for bench/compare_integer.sh to build the same matrix in PARI/GP.
IntegerMatrix randomIntegerMatrix(std::int32_t n) {
    std::uint64_t state = 1;
    IntegerMatrix m(n, n);
    for (lorvex::BigInt& entry : m.numerators) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        entry = lorvex::BigInt(static_cast<std::int64_t>((state >> 33) % 199) - 99);
    }
    return m;
}

// The length of the determinant's text, to check against another program.
void countDeterminantDigits(benchmark::State& state, const IntegerMatrix& m) {
    const lorvex::Outcome<lorvex::Fraction> determinant =
        lorvex::IntegerElimination(m).determinant();
    state.counters["det_digits"] = static_cast<double>(determinant.value.numerator.toText().size());
}

void integerDeterminant(benchmark::State& state) {
    const IntegerMatrix m = randomIntegerMatrix(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::IntegerElimination(m).determinant());
    countDeterminantDigits(state, m);
}
BENCHMARK(integerDeterminant)->Arg(20)->Arg(80)->Unit(benchmark::kMillisecond);

void integerInverse(benchmark::State& state) {
    const IntegerMatrix m = randomIntegerMatrix(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::IntegerElimination(m).inverse());
    countDeterminantDigits(state, m);
}
BENCHMARK(integerInverse)->Arg(10)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);

// The rank of a singular n x n matrix: the random one with its last row the
// sum of the first two (rank n - 1), or with its lower half made of sums of
// rows of the upper half (rank n / 2).
void integerSingularRank(benchmark::State& state, bool half) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    IntegerMatrix m = randomIntegerMatrix(n);
    for (std::int32_t i = half ? n / 2 : n - 1; i < n; ++i) {
        const std::int32_t a = i % (n / 2);
        const std::int32_t b = (i + 1) % (n / 2);
        for (std::int32_t j = 0; j < n; ++j)
            m.at(i, j) = m.at(a, j) + m.at(b, j);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::IntegerElimination(m).rank());
    state.counters["rank"] = lorvex::IntegerElimination(m).rank().value;
}
BENCHMARK_CAPTURE(integerSingularRank, oneShort, false)
    ->Arg(20)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(integerSingularRank, half, true)->Arg(20)->Arg(80)->Unit(benchmark::kMillisecond);

// The process's peak resident memory after one real 1000 x 1000 inverse; run
// it alone (--benchmark_filter=inversePeakMemory), since the peak is the
// whole process's.
void inversePeakMemory(benchmark::State& state) {
    const RealMatrix m = randomRealMatrix(1000, 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::RealElimination(m).inverse());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(inversePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
