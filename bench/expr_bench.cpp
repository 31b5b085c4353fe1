// The expression languages at the sizes the program meets: a formula matrix
// of 1000 x 1000 entries (compile once, evaluate a million times) and the
// calculation "(A+B)*C'" of 200 x 200 matrices next to its bare product
// kernel.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

#include "engine/arithmetic.h"
#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "expr/pars_win.h"

namespace {

using lorvex::Complex;
using lorvex::ComplexMatrix;

void formulaMatrix(benchmark::State& state, bool complexMode) {
    const auto n = static_cast<int>(state.range(0));
    lorvex::RandomGenerator random(3);
    lorvex::TParsWin parser(random);
    parser.setComplexMode(complexMode);
    Complex checksum;
    for (auto _ : state) {
        std::unique_ptr<lorvex::ExprNode> formula;
        if (parser.Compile("sin(i*pi/(i+j))", formula) != lorvex::code::Ok) {
            state.SkipWithError("the formula does not compile");
            return;
        }
        for (int i = 1; i <= n; ++i) {
            parser.setVariable('I', Complex{static_cast<long double>(i), 0.0L});
            for (int j = 1; j <= n; ++j) {
                parser.setVariable('J', Complex{static_cast<long double>(j), 0.0L});
                if (parser.Evaluate(formula.get()) != lorvex::code::Ok) break;
                checksum += formula->value;
            }
        }
    }
    benchmark::DoNotOptimize(checksum);
    state.counters["evaluations"] = static_cast<double>(n) * n;
}
BENCHMARK_CAPTURE(formulaMatrix, real, false)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formulaMatrix, complex, true)->Arg(1000)->Unit(benchmark::kMillisecond);

ComplexMatrix randomMatrix(std::int32_t n, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(n, n);
    for (Complex& c : m.cells)
        c = Complex{value(engine), 0.0L};
    return m;
}

class Places : public lorvex::MatrixSource {
  public:
    explicit Places(std::int32_t n) {
        matrices_['A'] = randomMatrix(n, 1);
        matrices_['B'] = randomMatrix(n, 2);
        matrices_['C'] = randomMatrix(n, 3);
    }
    int matrixFor(char letter, lorvex::MatrixData& copy) const override {
        const auto found = matrices_.find(letter);
        if (found == matrices_.end()) return lorvex::code::NotFound;
        copy = found->second;
        return lorvex::code::Ok;
    }
    const ComplexMatrix& matrix(char letter) const {
        return std::get<ComplexMatrix>(matrices_.at(letter));
    }

  private:
    std::map<char, lorvex::MatrixData> matrices_;
};

void calculation(benchmark::State& state) {
    const Places places(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        lorvex::MatrixData result;
        benchmark::DoNotOptimize(lorvex::CalcMatrix("(A+B)*C'", false, places, result));
    }
}
BENCHMARK(calculation)->Arg(200)->Unit(benchmark::kMillisecond);

void bareProduct(benchmark::State& state) {
    const Places places(static_cast<std::int32_t>(state.range(0)));
    ComplexMatrix result;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::product(places.matrix('A'), places.matrix('C'), result));
}
BENCHMARK(bareProduct)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
