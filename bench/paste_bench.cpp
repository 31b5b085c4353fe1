// Pasting a 1000 x 1000 table of numbers (about 12 MB of text, tab-separated
// columns, CR LF line ends, as a spreadsheet puts it on the clipboard).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "engine/result_codes.h"
#include "workspace/paste.h"

namespace {

std::string table(int rows, int cols) {
    std::mt19937 engine(5);
    std::uniform_real_distribution<double> value(-10000.0, 10000.0);
    std::string text;
    char field[32];
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            std::snprintf(field, sizeof field, j == 0 ? "%.4f" : "\t%.4f", value(engine));
            text += field;
        }
        text += "\r\n";
    }
    return text;
}

void paste1000x1000(benchmark::State& state) {
    const std::string text = table(1000, 1000);
    for (auto _ : state) {
        lorvex::RealMatrix block;
        if (lorvex::scanPastedText(text, block) != lorvex::code::Ok)
            state.SkipWithError("paste failed");
        benchmark::DoNotOptimize(block);
    }
}
BENCHMARK(paste1000x1000)->Unit(benchmark::kMillisecond);

}  // namespace
