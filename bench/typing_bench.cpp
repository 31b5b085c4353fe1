// Typing a 100 x 100 matrix cell by cell, as the matrix window does: each
// typed entry is stored, then the window asks for the width it shows.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/result_codes.h"
#include "workspace/matrix_document.h"

namespace {

void typeMatrix(benchmark::State& state, lorvex::ElementKind kind) {
    constexpr std::int32_t n = 100;
    std::mt19937 engine(3);
    std::uniform_int_distribution<int> value(-99999, 99999);
    std::vector<std::string> entries;
    for (std::int32_t i = 0; i < n * n; ++i)
        entries.push_back(std::to_string(value(engine)));
    const lorvex::MatrixData zeros = kind == lorvex::ElementKind::Integer
                                         ? lorvex::MatrixData{lorvex::IntegerMatrix(n, n)}
                                         : lorvex::MatrixData{lorvex::ComplexMatrix(n, n)};
    for (auto _ : state) {
        lorvex::MatrixDocument document(1, kind, zeros);
        for (std::int32_t i = 0; i < n * n; ++i) {
            if (document.setCellFromText(i / n, i % n, entries[static_cast<std::size_t>(i)]) !=
                lorvex::code::Ok) {
                state.SkipWithError("an entry did not read");
            }
            benchmark::DoNotOptimize(document.displayWidth());
        }
    }
}
BENCHMARK_CAPTURE(typeMatrix, real, lorvex::ElementKind::Real)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(typeMatrix, integer, lorvex::ElementKind::Integer)->Unit(benchmark::kMillisecond);

}  // namespace
