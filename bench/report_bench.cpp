// The one-matrix report of a random real 12 x 12 matrix: rank, trace,
// determinant, the characteristic polynomial from its 4083 principal minors,
// and its roots; and of a random 80 x 80 integer matrix: rank, trace and the
// exact determinant.

#include <benchmark/benchmark.h>

#include <random>

#include "workspace/frame_operations.h"

namespace {

// Nothing asks a question here; every answer would be yes.
class SilentPrompter : public lorvex::DialogFreePrompter {
  public:
    Answer messageBox(std::string_view, std::string_view, Buttons) override { return Answer::Yes; }
};

// Reports on the matrix at A of the mode, again and again.
void reportRepeatedly(benchmark::State& state, lorvex::WorkspaceMode mode,
                      const lorvex::MatrixData& m) {
    SilentPrompter prompter;
    lorvex::Workspace workspace(prompter);
    lorvex::RandomGenerator random(1);
    lorvex::FrameOperations operations(workspace, random);
    operations.setMode(mode);
    if (!workspace.PlaceMatrix(lorvex::elementKindOf(mode), "", 1, m).stored) {
        state.SkipWithError("the matrix was not stored");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(operations.calculations().oneMatrixReport(1));
    }
}

void oneMatrixReport(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::mt19937 engine(12);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    lorvex::ComplexMatrix m(n, n);
    for (lorvex::Complex& c : m.cells)
        c = lorvex::Complex{value(engine), 0.0L};
    reportRepeatedly(state, lorvex::WorkspaceMode::Real, m);
}
BENCHMARK(oneMatrixReport)->Arg(12)->Unit(benchmark::kMillisecond);

void integerMatrixReport(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::mt19937 engine(80);
    std::uniform_int_distribution<int> value(-9, 9);
    lorvex::IntegerMatrix m(n, n);
    for (lorvex::BigInt& entry : m.numerators)
        entry = lorvex::BigInt(value(engine));
    reportRepeatedly(state, lorvex::WorkspaceMode::Integer, m);
}
BENCHMARK(integerMatrixReport)->Arg(80)->Unit(benchmark::kMillisecond);

}  // namespace
