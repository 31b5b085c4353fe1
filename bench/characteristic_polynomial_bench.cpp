// Characteristic polynomial coefficients and roots of random real matrices,
// and how soon a stop request ends the coefficients of an order-22 matrix.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "engine/characteristic_polynomial.h"
#include "engine/polynomial_roots.h"
#include "engine/result_codes.h"

namespace {

using lorvex::Complex;
using lorvex::ComplexMatrix;

ComplexMatrix randomReal(std::int32_t n, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(n, n);
    for (Complex& c : m.cells)
        c = Complex{value(engine), 0.0L};
    return m;
}

void coefficients(benchmark::State& state) {
    const ComplexMatrix m = randomReal(static_cast<std::int32_t>(state.range(0)), 5);
    std::vector<Complex> c;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::characteristicPolynomial(m, c));
}
BENCHMARK(coefficients)->Arg(8)->Arg(12)->Arg(16)->Arg(18)->Unit(benchmark::kMillisecond);

void roots(benchmark::State& state) {
    const ComplexMatrix m = randomReal(static_cast<std::int32_t>(state.range(0)), 6);
    std::vector<Complex> c;
    if (lorvex::characteristicPolynomial(m, c) != lorvex::code::Ok) {
        state.SkipWithError("no coefficients");
        return;
    }
    lorvex::RandomGenerator random(7);
    lorvex::PolynomialRoots found;
    for (auto _ : state)
        benchmark::DoNotOptimize(lorvex::findRoots(c, {1e-8L, false}, random, found));
    state.counters["attempts"] = found.attempts;
}
BENCHMARK(roots)->Arg(8)->Arg(12)->Arg(16)->Unit(benchmark::kMillisecond);

// Another thread asks to stop 50 ms into the computation; the time from that
// request to the return of the coefficients is what the user waits.
void stopLatency(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const ComplexMatrix m = randomReal(22, 8);
    double worst = 0.0;
    for (auto _ : state) {
        std::atomic<bool> requested{false};
        std::atomic<Clock::rep> requestTime{0};
        const lorvex::StopCheck stop([&requested] { return requested.load(); });
        std::jthread requester([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            requestTime = Clock::now().time_since_epoch().count();
            requested = true;
        });
        std::vector<Complex> c;
        const int rc = lorvex::characteristicPolynomial(m, c, stop);
        const auto returned = Clock::now().time_since_epoch().count();
        requester.join();
        if (rc != lorvex::code::UserStop) state.SkipWithError("the coefficients were not stopped");
        const double latency =
            std::chrono::duration<double, std::milli>(Clock::duration(returned - requestTime))
                .count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency / 1000.0);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(stopLatency)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
