// Solving M X = B: a random 500 x 500 real system, and exact integer systems
// with entries in -99 ... 99.

#include <benchmark/benchmark.h>

#include <random>

#include "engine/linear_system.h"

namespace {

using lorvex::BigInt;
using lorvex::Complex;
using lorvex::ComplexMatrix;
using lorvex::IntegerMatrix;

ComplexMatrix randomReal(std::int32_t rows, std::int32_t cols, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(rows, cols);
    for (Complex& c : m.cells)
        c = Complex{value(engine), 0.0L};
    return m;
}

void realSolve(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const ComplexMatrix m = randomReal(n, n, 1);
    const ComplexMatrix b = randomReal(n, 1, 2);
    lorvex::LinearSolution solution;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::solve(m, b, solution));
}
BENCHMARK(realSolve)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

IntegerMatrix randomInteger(std::int32_t rows, std::int32_t cols, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> value(-99, 99);
    IntegerMatrix m(rows, cols);
    for (BigInt& entry : m.numerators)
        entry = BigInt(value(engine));
    return m;
}

void integerSolve(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const IntegerMatrix m = randomInteger(n, n, 3);
    const IntegerMatrix b = randomInteger(n, 1, 4);
    lorvex::ExactSolution solution;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::solve(m, b, solution));
    state.counters["x_denominator_digits"] =
        static_cast<double>(solution.particular.denominator.toText().size());
}
BENCHMARK(integerSolve)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
