#pragma once

#include <cstdint>
#include <random>

namespace lorvex {

// The program's one source of pseudo-random numbers: uniformly distributed
// integers 0 ... 2^31 - 1. The application seeds it once from the clock and
// hands it down; tests seed it with a fixed value to repeat a run.
class RandomGenerator {
  public:
    static constexpr std::uint32_t kMax = 0x7FFFFFFF;

    explicit RandomGenerator(std::uint32_t seed) : engine_(seed) {}
    // Seeded with the current time in seconds.
    static RandomGenerator seededFromClock();

    std::uint32_t next() { return static_cast<std::uint32_t>(engine_() >> 1); }

  private:
    std::mt19937 engine_;
};

}  // namespace lorvex
