// The simplex method to the optimum on random feasible, bounded problems with
// 50 constraints and 50 variables: maximising under <= rows (slack columns
// only) and minimising under >= rows (an artificial column per row, which
// takes many more pivots).

#include <benchmark/benchmark.h>

#include <random>

#include "engine/result_codes.h"
#include "engine/simplex.h"

namespace {

using lorvex::Complex;
using lorvex::ComplexMatrix;
using lorvex::Goal;

void simplexToOptimum(benchmark::State& state, Goal goal) {
    const auto size = static_cast<std::int32_t>(state.range(0));
    std::mt19937 engine(9);
    std::uniform_real_distribution<double> value(0.1, 1.0);
    ComplexMatrix f(1, size);
    ComplexMatrix b(size, size);
    ComplexMatrix c(size, 1);
    for (Complex& x : f.cells)
        x = Complex{value(engine), 0.0L};
    for (Complex& x : b.cells)
        x = Complex{value(engine), 0.0L};
    for (Complex& x : c.cells)
        x = Complex{10.0 * value(engine), 0.0L};
    lorvex::SimplexRun run;
    for (auto _ : state) {
        if (lorvex::runSimplex(f, b, c, goal, lorvex::kAllSimplexSteps, run) != lorvex::code::Ok ||
            !run.ended()) {
            state.SkipWithError("no optimum");
        }
    }
    state.counters["steps"] = run.steps;
}
BENCHMARK_CAPTURE(simplexToOptimum, maximise, Goal::Maximise)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simplexToOptimum, minimise, Goal::Minimise)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);

}  // namespace
