// Writing and reading a 1000 x 1000 real matrix file (10 MB of extended
// reals), and reading a 100 x 100 integer matrix file of 100-digit entries.
// The files go to the system's temporary folder; a write includes the flush
// to disk that a save makes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "engine/result_codes.h"
#include "workspace/matrix_file.h"

namespace {

using lorvex::MatrixFile;

std::filesystem::path benchFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("lorvex-bench-" + name);
}

MatrixFile realFile(std::int32_t n) {
    std::mt19937_64 engine(3);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    lorvex::RealMatrix matrix(n, n);
    for (long double& cell : matrix.cells)
        cell = static_cast<long double>(value(engine)) / 3.0L;
    MatrixFile file;
    file.rows = n;
    file.cols = n;
    file.entries = matrix;
    file.notes = "matriz de teste";
    return file;
}

MatrixFile integerFile(std::int32_t n, int digits, benchmark::State& state) {
    std::mt19937 engine(4);
    lorvex::IntegerMatrix matrix(n, n);
    for (lorvex::BigInt& numerator : matrix.numerators) {
        std::string text(static_cast<std::size_t>(digits), '0');
        for (char& c : text)
            c = static_cast<char>('0' + engine() % 10);
        text[0] = '9';
        if (lorvex::BigInt::fromText(text, numerator) != lorvex::code::Ok)
            state.SkipWithError("the digits do not read");
    }
    MatrixFile file;
    file.rows = n;
    file.cols = n;
    file.kind = lorvex::matrix_kind::kInteger;
    file.fieldWidth = 8;
    file.entries = matrix;
    return file;
}

void writeReal1000(benchmark::State& state) {
    const MatrixFile file = realFile(1000);
    const auto path = benchFile("write.fma");
    for (auto _ : state) {
        if (lorvex::writeMatrixFile(path, file) != lorvex::code::Ok)
            state.SkipWithError("write failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(writeReal1000)->Unit(benchmark::kMillisecond);

void readReal1000(benchmark::State& state) {
    const auto path = benchFile("read.fma");
    if (lorvex::writeMatrixFile(path, realFile(1000)) != lorvex::code::Ok) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        MatrixFile read;
        if (lorvex::readMatrixFile(path, lorvex::matrix_kind::kReal, read) != lorvex::code::Ok) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(read);
    }
    std::filesystem::remove(path);
}
BENCHMARK(readReal1000)->Unit(benchmark::kMillisecond);

void readInteger100x100Of100Digits(benchmark::State& state) {
    const auto path = benchFile("read.ima");
    if (lorvex::writeMatrixFile(path, integerFile(100, 100, state)) != lorvex::code::Ok) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        MatrixFile read;
        if (lorvex::readMatrixFile(path, lorvex::matrix_kind::kInteger, read) != lorvex::code::Ok) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(read);
    }
    std::filesystem::remove(path);
}
BENCHMARK(readInteger100x100Of100Digits)->Unit(benchmark::kMillisecond);

}  // namespace
