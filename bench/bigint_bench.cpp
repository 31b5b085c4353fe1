// Products, quotients and reduced fractions of big integers. The division
// takes a dividend twice as long as its divisor; the fraction is the quotient
// of two integers in integer mode, reduced by their gcd.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/bigint.h"
#include "engine/rational.h"
#include "engine/result_codes.h"

namespace {

using lorvex::BigInt;

BigInt randomNumber(std::mt19937& engine, std::size_t digits, benchmark::State& state) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(digits, '0');
    for (char& c : text)
        c = static_cast<char>('0' + digit(engine));
    text[0] = '7';
    BigInt value;
    if (BigInt::fromText(text, value) != lorvex::code::Ok)
        state.SkipWithError("the digits do not read");
    return value;
}

void multiply(benchmark::State& state) {
    std::mt19937 engine(1);
    const auto digits = static_cast<std::size_t>(state.range(0));
    const BigInt a = randomNumber(engine, digits, state);
    const BigInt b = randomNumber(engine, digits, state);
    for (auto _ : state)
        benchmark::DoNotOptimize(a * b);
}
BENCHMARK(multiply)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void divide(benchmark::State& state) {
    std::mt19937 engine(2);
    const auto digits = static_cast<std::size_t>(state.range(0));
    const BigInt a = randomNumber(engine, 2 * digits, state);
    const BigInt b = randomNumber(engine, digits, state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BigInt::divide(a, b, lorvex::StopCheck::never()));
    }
}
BENCHMARK(divide)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);

// a/1 divided by b/1, as the calculator's quotient of two integers does.
void reducedFraction(benchmark::State& state) {
    std::mt19937 engine(3);
    const auto digits = static_cast<std::size_t>(state.range(0));
    const lorvex::Fraction a{randomNumber(engine, 2 * digits, state), BigInt(1)};
    const lorvex::Fraction b{randomNumber(engine, digits, state), BigInt(1)};
    const lorvex::Fraction reciprocal{b.denominator, b.numerator};
    for (auto _ : state) {
        benchmark::DoNotOptimize(lorvex::product(a, reciprocal, lorvex::StopCheck::never()));
    }
}
BENCHMARK(reducedFraction)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
