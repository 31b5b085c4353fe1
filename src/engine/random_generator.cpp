#include "engine/random_generator.h"

#include <chrono>

namespace lorvex {

RandomGenerator RandomGenerator::seededFromClock() {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return RandomGenerator(static_cast<std::uint32_t>(seconds.count()));
}

}  // namespace lorvex
