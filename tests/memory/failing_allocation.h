#pragma once

#include <cstddef>

// The global allocation functions of the test program that links this file
// fail on demand: after arm(n) the n-th allocation throws std::bad_alloc,
// once; every other one is served by malloc.
namespace lorvex::test::failing_allocation {

void arm(std::size_t n);
// Disarms; true when the armed allocation was reached and failed.
bool disarm();

}  // namespace lorvex::test::failing_allocation
