#pragma once

#include <cstdint>

namespace lorvex {

// No matrix of the program holds more entries than this: a larger one could
// be neither saved nor read back, and would take gigabytes to hold.
inline constexpr std::int64_t kMaxMatrixEntries = 1'000'000;

// Whether a rows x cols matrix is empty or above the limit.
constexpr bool sizeOutOfRange(std::int64_t rows, std::int64_t cols) {
    return rows < 1 || cols < 1 || rows > kMaxMatrixEntries || cols > kMaxMatrixEntries ||
           rows * cols > kMaxMatrixEntries;
}

}  // namespace lorvex
